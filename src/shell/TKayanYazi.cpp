#include "TKayanYazi.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>

TKayanYazi::TKayanYazi(QWidget* ebeveyn) : QWidget(ebeveyn) {
    zamanlayici_.setInterval(30);
    connect(&zamanlayici_, &QTimer::timeout, this, [this] {
        if (ogeler_.isEmpty())
            return;
        konum_ -= 2;
        if (konum_ < -belge_.idealWidth())
            konum_ = width();
        update();
    });
}

void TKayanYazi::Baslat() { zamanlayici_.start(); }
void TKayanYazi::Durdur() { zamanlayici_.stop(); }

void TKayanYazi::OgeleriTemizle() {
    ogeler_.clear();
    belgeKur();
}

void TKayanYazi::OgeEkle(const QString& html) {
    ogeler_.append(html);
    belgeKur();
    konum_ = width();
}

void TKayanYazi::belgeKur() {
    belge_.setDefaultFont(font());
    belge_.setDocumentMargin(0);
    belge_.setDefaultStyleSheet(QStringLiteral("body { color: #ffffff; white-space: pre; }"));
    belge_.setHtml(QStringLiteral("<body>%1</body>").arg(ogeler_.join(QStringLiteral("&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;"))));
    update();
}

void TKayanYazi::resizeEvent(QResizeEvent*) {
    if (konum_ > width())
        konum_ = width();
}

void TKayanYazi::paintEvent(QPaintEvent*) {
    if (ogeler_.isEmpty())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::TextAntialiasing);
    const qreal y = (height() - belge_.size().height()) / 2.0;
    p.translate(konum_, y);
    QAbstractTextDocumentLayout::PaintContext c;
    c.palette.setColor(QPalette::Text, palette().color(QPalette::WindowText));
    belge_.documentLayout()->draw(&p, c);
}
