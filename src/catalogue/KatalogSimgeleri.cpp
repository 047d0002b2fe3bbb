#include "KatalogSimgeleri.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {
QPixmap tuval() {
    QPixmap pm(48, 48);
    pm.fill(Qt::transparent);
    return pm;
}
} // namespace

QIcon EvetHayirSimgesi(int indeks) {
    static const QIcon hayir = [] {
        QPixmap pm = tuval();
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(0xC4, 0xCB, 0xD6), 3));
        p.setBrush(QColor(0xF4, 0xF6, 0xF9));
        p.drawEllipse(QRectF(10, 10, 28, 28));
        p.drawLine(QPointF(18, 24), QPointF(30, 24));
        return QIcon(pm);
    }();
    static const QIcon evet = [] {
        QPixmap pm = tuval();
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x1F, 0x9D, 0x55));
        p.drawEllipse(QRectF(6, 6, 36, 36));
        p.setPen(QPen(Qt::white, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        QPainterPath tik;
        tik.moveTo(15, 25);
        tik.lineTo(21, 31);
        tik.lineTo(33, 17);
        p.setBrush(Qt::NoBrush);
        p.drawPath(tik);
        return QIcon(pm);
    }();
    return indeks == 1 ? evet : hayir;
}

QIcon ResimSimgesi() {
    static const QIcon simge = [] {
        QPixmap pm = tuval();
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        const QColor koyu(0x2E, 0x31, 0x92);
        p.setPen(Qt::NoPen);
        p.setBrush(koyu);
        p.drawRoundedRect(QRectF(5, 14, 38, 26), 5, 5);
        p.drawRoundedRect(QRectF(16, 9, 16, 8), 2, 2);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(24, 27), 9, 9);
        p.setBrush(QColor(0x5B, 0x8D, 0xEF));
        p.drawEllipse(QPointF(24, 27), 5.5, 5.5);
        p.setBrush(QColor(0xFF, 0xC1, 0x07));
        p.drawEllipse(QPointF(37, 19), 2, 2);
        return QIcon(pm);
    }();
    return simge;
}
