#include "TMesgulGostergesi.h"

#include "SapphireKamri.h"

#include <QPainter>

TMesgulGostergesi::TMesgulGostergesi(QWidget* ebeveyn, int boy) : QWidget(ebeveyn), boy_(boy) {
    setFixedSize(boy, boy);
    setAttribute(Qt::WA_TranslucentBackground);
    zamanlayici_.setInterval(40);
    connect(&zamanlayici_, &QTimer::timeout, this, [this] {
        aci_ = (aci_ + 30) % 360;
        update();
    });
    hide();
}

void TMesgulGostergesi::Baslat() {
    zamanlayici_.start();
    show();
}

void TMesgulGostergesi::Durdur() {
    hide();
    zamanlayici_.stop();
}

void TMesgulGostergesi::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal kalinlik = qMax(2.0, boy_ / 8.0);
    const QRectF r = QRectF(rect()).adjusted(kalinlik, kalinlik, -kalinlik, -kalinlik);
    p.setPen(QPen(QColor(0xd3, 0xde, 0xee), kalinlik));
    p.drawEllipse(r);
    QPen yay(SapphireKamri::Safir(), kalinlik, Qt::SolidLine, Qt::RoundCap);
    p.setPen(yay);
    p.drawArc(r, -aci_ * 16, 100 * 16);
}
