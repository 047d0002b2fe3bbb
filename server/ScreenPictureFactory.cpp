#include "ScreenPictureFactory.h"
#include "TextDrawing.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>

QByteArray ScreenPictureFactory::jpeg(int sirano, const QString& title, const QString& subtitle, int colour)
{
    constexpr int w = 605, h = 405;
    static const QColor palette[] = {QColor(176, 28, 34), QColor(22, 86, 160), QColor(32, 120, 70), QColor(120, 50, 140),
                                     QColor(210, 120, 10), QColor(40, 44, 52)};
    const QColor base = palette[qAbs(colour) % 6];
    QImage img(w, h, QImage::Format_RGB32);
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient g(0, 0, w, h);
        g.setColorAt(0, base.lighter(125));
        g.setColorAt(1, base.darker(180));
        p.fillRect(img.rect(), g);
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 6; ++i) {
            p.setBrush(QColor(255, 255, 255, 18 + i * 4));
            p.drawEllipse(QPointF(w - 80 - i * 37 - (sirano % 3) * 20, 90 + i * 45), 70 - i * 6, 70 - i * 6);
        }
        p.setBrush(QColor(255, 255, 255, 235));
        p.drawRoundedRect(QRectF(40, h - 110, 220, 56), 28, 28);
        if (TextDrawing::available()) {
            QFont f(QStringLiteral("DejaVu Sans"));
            f.setBold(true);
            f.setPixelSize(40);
            p.setFont(f);
            p.setPen(Qt::white);
            p.drawText(QRectF(40, 40, w - 80, 170), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, title);
            f.setBold(false);
            f.setPixelSize(22);
            p.setFont(f);
            p.drawText(QRectF(40, 200, w - 80, 80), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, subtitle);
            f.setBold(true);
            f.setPixelSize(20);
            p.setFont(f);
            p.setPen(base.darker(130));
            p.drawText(QRectF(40, h - 110, 220, 56), Qt::AlignCenter, QStringLiteral("Hemen İncele ›"));
        }
    }
    QByteArray out;
    QBuffer buf(&out);
    buf.open(QIODevice::WriteOnly);
    QImageWriter writer(&buf, "jpeg");
    writer.setQuality(85);
    writer.write(img);
    return out;
}
