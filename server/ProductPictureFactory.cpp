#include "ProductPictureFactory.h"
#include "CatalogueSeeder.h"
#include "DemoRandom.h"
#include "TextDrawing.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

namespace {

void drawDisc(QPainter& p, QRectF r, QColor c)
{
    QRadialGradient g(r.center(), r.width() / 2);
    g.setColorAt(0, c.lighter(150));
    g.setColorAt(0.8, c);
    g.setColorAt(1, c.darker(160));
    p.setBrush(g);
    p.setPen(QPen(c.darker(200), 3));
    p.drawEllipse(r);
    const QRectF hub = r.adjusted(r.width() * 0.32, r.height() * 0.32, -r.width() * 0.32, -r.height() * 0.32);
    p.setBrush(c.darker(130));
    p.drawEllipse(hub);
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(hub.center() - QPointF(hub.width() / 5, hub.height() / 5), QSizeF(hub.width() / 2.5, hub.height() / 2.5)));
    for (int i = 0; i < 5; ++i) {
        const double a = i * 2 * M_PI / 5;
        const QPointF pt = hub.center() + QPointF(std::cos(a), std::sin(a)) * hub.width() * 0.36;
        p.drawEllipse(pt, hub.width() * 0.06, hub.width() * 0.06);
    }
}

void drawShape(QPainter& p, int shape, QRectF r, QColor c, DemoRandom& rnd)
{
    using S = CatalogueSeeder::Shape;
    p.setRenderHint(QPainter::Antialiasing);
    switch (shape) {
    case S::Disc:
        drawDisc(p, QRectF(r.center().x() - r.height() / 2, r.top(), r.height(), r.height()), c);
        break;
    case S::Pad: {
        for (int i = 0; i < 2; ++i) {
            QPainterPath path;
            const QRectF pr = r.adjusted(r.width() * 0.1 + i * 30, r.height() * 0.25 + i * 40, -r.width() * 0.25 + i * 30,
                                         -r.height() * 0.2 + i * 20);
            path.addRoundedRect(pr, 40, 40);
            p.setPen(QPen(Qt::black, 2));
            p.setBrush(QColor(60, 60, 64));
            p.drawPath(path);
            p.setBrush(c);
            p.drawRoundedRect(pr.adjusted(10, 10, -10, -pr.height() * 0.45), 20, 20);
        }
        break;
    }
    case S::Filter: {
        const QRectF body(r.center().x() - r.width() * 0.2, r.top() + 10, r.width() * 0.4, r.height() - 20);
        QLinearGradient g(body.topLeft(), body.topRight());
        g.setColorAt(0, c.darker(150));
        g.setColorAt(0.4, c.lighter(140));
        g.setColorAt(1, c.darker(170));
        p.setPen(QPen(c.darker(220), 2));
        p.setBrush(g);
        p.drawRoundedRect(body, 18, 18);
        p.setPen(QPen(c.darker(200), 2));
        for (double y = body.top() + 25; y < body.bottom() - 20; y += 14)
            p.drawLine(QPointF(body.left() + 6, y), QPointF(body.right() - 6, y));
        break;
    }
    case S::Shock: {
        const double x = r.center().x();
        p.setPen(QPen(Qt::black, 2));
        p.setBrush(QColor(90, 90, 95));
        p.drawRect(QRectF(x - 14, r.top(), 28, r.height() * 0.45));
        p.setBrush(c);
        p.drawRoundedRect(QRectF(x - 32, r.top() + r.height() * 0.4, 64, r.height() * 0.6), 10, 10);
        p.setPen(QPen(c.darker(170), 8));
        for (int i = 0; i < 6; ++i) {
            const double y = r.top() + 20 + i * r.height() / 7;
            p.drawLine(QPointF(x - 60, y), QPointF(x + 60, y + r.height() / 14));
        }
        break;
    }
    case S::Belt: {
        QPainterPath path;
        path.addRoundedRect(r.adjusted(20, r.height() * 0.2, -20, -r.height() * 0.2), r.height() * 0.3, r.height() * 0.3);
        p.setPen(QPen(QColor(30, 30, 30), 18));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
        p.setPen(QPen(c, 4, Qt::DotLine));
        p.drawPath(path);
        drawDisc(p, QRectF(r.left() + 40, r.center().y() - 40, 80, 80), QColor(150, 150, 155));
        drawDisc(p, QRectF(r.right() - 120, r.center().y() - 40, 80, 80), QColor(150, 150, 155));
        break;
    }
    case S::Bulb: {
        p.setPen(QPen(Qt::gray, 2));
        QRadialGradient g(r.center() - QPointF(0, 30), r.height() * 0.4);
        g.setColorAt(0, Qt::white);
        g.setColorAt(1, c.lighter(170));
        p.setBrush(g);
        p.drawEllipse(QRectF(r.center().x() - r.height() * 0.3, r.top(), r.height() * 0.6, r.height() * 0.6));
        p.setBrush(QColor(170, 170, 175));
        p.drawRect(QRectF(r.center().x() - 26, r.top() + r.height() * 0.58, 52, r.height() * 0.3));
        break;
    }
    case S::Plug: {
        const double x = r.center().x();
        p.setPen(QPen(Qt::black, 2));
        p.setBrush(QColor(235, 235, 230));
        p.drawRoundedRect(QRectF(x - 22, r.top(), 44, r.height() * 0.5), 12, 12);
        p.setBrush(c);
        QPolygonF hex;
        for (int i = 0; i < 6; ++i)
            hex << QPointF(x + 40 * std::cos(i * M_PI / 3), r.top() + r.height() * 0.58 + 22 * std::sin(i * M_PI / 3));
        p.drawPolygon(hex);
        p.setBrush(QColor(160, 160, 160));
        p.drawRect(QRectF(x - 14, r.top() + r.height() * 0.66, 28, r.height() * 0.3));
        break;
    }
    case S::Pump: {
        drawDisc(p, QRectF(r.left() + r.width() * 0.15, r.top() + 10, r.height() * 0.7, r.height() * 0.7), c);
        p.setPen(QPen(Qt::black, 2));
        p.setBrush(c.darker(120));
        p.drawRoundedRect(QRectF(r.center().x(), r.top() + r.height() * 0.3, r.width() * 0.32, r.height() * 0.5), 14, 14);
        break;
    }
    case S::Joint: {
        p.setPen(QPen(QColor(40, 40, 40), 2));
        p.setBrush(QColor(120, 120, 125));
        p.drawRoundedRect(QRectF(r.left() + 30, r.center().y() - 14, r.width() - 120, 28), 12, 12);
        drawDisc(p, QRectF(r.right() - 130, r.center().y() - 55, 110, 110), c);
        p.setBrush(QColor(25, 25, 25));
        p.drawEllipse(QRectF(r.left() + 10, r.center().y() - 30, 60, 60));
        break;
    }
    default: {
        QLinearGradient g(r.topLeft(), r.bottomRight());
        g.setColorAt(0, c.lighter(130));
        g.setColorAt(1, c.darker(140));
        p.setPen(QPen(c.darker(200), 2));
        p.setBrush(g);
        const QRectF box = r.adjusted(r.width() * 0.18, r.height() * 0.1, -r.width() * 0.18, -r.height() * 0.05);
        p.drawRoundedRect(box, 8, 8);
        p.setBrush(c.lighter(160));
        p.drawRect(box.adjusted(20, box.height() * 0.3, -20, -box.height() * 0.35));
        Q_UNUSED(rnd);
        break;
    }
    }
}

} // namespace

QByteArray ProductPictureFactory::jpeg(const Part& part, int width, int height)
{
    DemoRandom rnd(std::uint64_t(part.stokno) * 7919u + 17u);
    QImage img(width, height, QImage::Format_RGB32);
    {
        QPainter p(&img);
        QLinearGradient bg(0, 0, 0, height);
        bg.setColorAt(0, QColor(250, 250, 252));
        bg.setColorAt(1, QColor(214, 220, 228));
        p.fillRect(img.rect(), bg);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 35));
        p.drawEllipse(QRectF(width * 0.2, height * 0.78, width * 0.6, height * 0.08));
        static const QColor palette[] = {QColor(176, 32, 38), QColor(28, 92, 170), QColor(220, 150, 20),
                                         QColor(40, 130, 70), QColor(110, 110, 120), QColor(150, 60, 140)};
        const QColor color = palette[rnd.range(0, 5)];
        drawShape(p, part.shape, QRectF(width * 0.12, height * 0.14, width * 0.76, height * 0.66), color, rnd);
        if (TextDrawing::available()) {
            QFont f(QStringLiteral("DejaVu Sans"));
            f.setPixelSize(height / 15);
            f.setBold(true);
            p.setFont(f);
            p.setPen(color.darker(130));
            p.drawText(QRectF(12, 8, width - 24, height / 10.0), Qt::AlignLeft | Qt::AlignVCenter, part.brand);
            p.setPen(QColor(40, 40, 48));
            p.drawText(QRectF(12, 8, width - 24, height / 10.0), Qt::AlignRight | Qt::AlignVCenter, part.barkod);
            f.setPixelSize(height / 22);
            f.setBold(false);
            p.setFont(f);
            p.drawText(QRectF(12, height * 0.86, width - 24, height * 0.13), Qt::AlignCenter | Qt::TextWordWrap,
                       part.adi + QStringLiteral(" — ") + part.vehicle);
        }
    }
    QByteArray out;
    QBuffer buf(&out);
    buf.open(QIODevice::WriteOnly);
    QImageWriter w(&buf, "jpeg");
    w.setQuality(82);
    w.write(img);
    return out;
}
