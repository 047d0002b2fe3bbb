#include "BannerFactory.h"
#include "GifEncoder.h"
#include "TextDrawing.h"

#include <QBuffer>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>

namespace {

const QColor kRed(176, 28, 34);
const QColor kDark(34, 38, 46);

void text(QPainter& p, const QRectF& r, const QString& s, int px, bool bold, QColor color, int flags = Qt::AlignCenter)
{
    if (!TextDrawing::available())
        return;
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(px);
    f.setBold(bold);
    p.setFont(f);
    p.setPen(color);
    p.drawText(r, flags, s);
}

} // namespace

QByteArray BannerFactory::headerGif()
{
    constexpr int w = 409, h = 100, frames = 12;
    GifEncoder gif(w, h);
    const QStringList slogans = {QStringLiteral("Orijinal ve muadil yedek parça"), QStringLiteral("Aynı gün kargo"),
                                 QStringLiteral("7/24 B2B sipariş")};
    for (int i = 0; i < frames; ++i) {
        QImage img(w, h, QImage::Format_RGB32);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient g(0, 0, w, h);
        g.setColorAt(0, kRed);
        g.setColorAt(1, kRed.darker(170));
        p.fillRect(img.rect(), g);
        // A light band sweeps across the banner.
        const double x = -120 + (w + 240) * i / double(frames - 1);
        QLinearGradient shine(x - 60, 0, x + 60, 0);
        shine.setColorAt(0, QColor(255, 255, 255, 0));
        shine.setColorAt(0.5, QColor(255, 255, 255, 45));
        shine.setColorAt(1, QColor(255, 255, 255, 0));
        p.fillRect(img.rect(), shine);
        p.setPen(QPen(Qt::white, 4));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(48, 50), 30, 30);
        p.drawLine(QPointF(48, 22), QPointF(48, 78));
        p.drawLine(QPointF(20, 50), QPointF(76, 50));
        text(p, QRectF(90, 10, w - 100, 44), QStringLiteral("TELMİRA OTOMOTİV"), 24, true, Qt::white, Qt::AlignLeft | Qt::AlignVCenter);
        text(p, QRectF(90, 56, w - 100, 34), slogans.at(i * slogans.size() / frames), 17, false, QColor(255, 230, 200),
             Qt::AlignLeft | Qt::AlignVCenter);
        p.end();
        gif.addFrame(img, i == frames - 1 ? 150 : 12);
    }
    return gif.finish();
}

QByteArray BannerFactory::stripGif()
{
    constexpr int w = 1200, h = 48;
    QImage img(w, h, QImage::Format_RGB32);
    {
        QPainter p(&img);
        QLinearGradient g(0, 0, 0, h);
        g.setColorAt(0, QColor(255, 204, 51));
        g.setColorAt(1, QColor(240, 160, 20));
        p.fillRect(img.rect(), g);
        p.setPen(Qt::NoPen);
        p.setBrush(kDark);
        for (int x = -h; x < w; x += 60)
            p.drawPolygon(QPolygonF({QPointF(x, h), QPointF(x + 20, h), QPointF(x + 20 + h, 0), QPointF(x + h, 0)}));
        p.setBrush(QColor(255, 204, 51));
        p.drawRect(QRectF(150, 4, w - 300, h - 8));
        text(p, QRectF(150, 4, w - 300, h - 8), QStringLiteral("KIŞ KAMPANYASI: Akü, silecek ve antifrizde %25'e varan indirim!"),
             22, true, kDark);
    }
    GifEncoder gif(w, h);
    gif.addFrame(img);
    return gif.finish();
}

QByteArray BannerFactory::bottomBmp()
{
    constexpr int w = 1400, h = 60;
    QImage img(w, h, QImage::Format_RGB888);
    {
        QPainter p(&img);
        p.fillRect(img.rect(), kDark);
        const QStringList brands = {"BOSCH", "VALEO", "MANN", "SACHS", "TRW", "GATES", "SKF", "MAHLE", "NGK", "FEBI"};
        for (int i = 0; i < brands.size(); ++i) {
            const QRectF r(10 + i * 139, 8, 129, h - 16);
            p.setPen(QPen(QColor(90, 96, 110), 1));
            p.setBrush(QColor(50, 55, 66));
            p.drawRoundedRect(r, 6, 6);
            text(p, r, brands.at(i), 20, true, i % 2 ? QColor(255, 204, 51) : Qt::white);
        }
    }
    QByteArray out;
    QBuffer buf(&out);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, "BMP");
    return out;
}
