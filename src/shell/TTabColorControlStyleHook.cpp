#include "TTabColorControlStyleHook.h"

#include "SapphireKamri.h"
#include "SekmeBasligiAyir.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionTab>
#include <QWidget>

TTabColorControlStyleHook::Yerlesim TTabColorControlStyleHook::Hesapla(const QRect& sekme, const QString& baslik,
                                                                      int simgeBoyu, const QFontMetrics& baslikYazisi,
                                                                      const QFontMetrics& rozetYazisi) {
    const TSonuc s = SekmeBasligiAyir(baslik);
    Yerlesim y;
    y.baslik = s.baslik;
    // The title: the tab shrunk by 5 pixels at top and bottom, kept clear of the icon on the left.
    QRect metin = sekme.adjusted(0, 5, 0, -5);
    if (simgeBoyu > 0) {
        y.simgeAlani = QRect(sekme.left() + 7, sekme.center().y() - simgeBoyu / 2 + 1, simgeBoyu, simgeBoyu);
        metin.setLeft(y.simgeAlani.right() + 3);
        metin.setRight(sekme.right() - 4);
    }
    y.baslikAlani = metin;
    if (s.sayi > 0) {
        y.rozet = QStringLiteral("(%1)").arg(s.sayi);
        const QRect ic = sekme.adjusted(2, 2, -2, -2);
        const int g = rozetYazisi.horizontalAdvance(y.rozet) + 6;
        const int h = rozetYazisi.height() + 1;
        y.rozetAlani = QRect(ic.right() - g + 1, ic.top(), g, h);
        const QRect kaplanan = baslikYazisi.boundingRect(metin, Qt::AlignCenter | Qt::TextWordWrap, y.baslik);
        if (kaplanan.intersects(y.rozetAlani))
            y.baslikAlani.setTop(y.rozetAlani.bottom() - 1);
        if (y.baslikAlani.height() < kaplanan.height())
            y.baslikAlani.setBottom(qMin(sekme.bottom(), y.baslikAlani.top() + kaplanan.height()));
    }
    return y;
}

void TTabColorControlStyleHook::ZeminCiz(QPainter* p, const QStyleOptionTab& o) {
    const bool secili = o.state & QStyle::State_Selected;
    const bool sicak = (o.state & QStyle::State_MouseOver) && (o.state & QStyle::State_Enabled);
    QRect r = o.rect.adjusted(1, secili ? 0 : 3, -1, 0);
    p->save();
    p->setRenderHint(QPainter::Antialiasing, true);
    QPainterPath yol;
    yol.addRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, 4), 5, 5);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    if (secili) {
        g.setColorAt(0, QColor(0xff, 0xff, 0xff));
        g.setColorAt(1, QColor(0xf4, 0xf7, 0xfc));
    } else if (sicak) {
        g.setColorAt(0, QColor(0xe6, 0xee, 0xfa));
        g.setColorAt(1, QColor(0xd3, 0xe0, 0xf3));
    } else {
        g.setColorAt(0, QColor(0xe9, 0xee, 0xf6));
        g.setColorAt(1, QColor(0xda, 0xe2, 0xee));
    }
    p->setClipRect(o.rect.adjusted(0, 0, 0, secili ? 1 : 0));
    p->fillPath(yol, g);
    p->setPen(QPen(secili ? SapphireKamri::Cerceve() : QColor(0xc3, 0xcf, 0xe0), 1));
    p->drawPath(yol);
    if (secili) {
        // A sapphire cap marks the open page.
        QPainterPath cap;
        cap.addRoundedRect(QRectF(r.left() + 0.5, r.top() + 0.5, r.width() - 1, 4), 2, 2);
        p->fillPath(cap, SapphireKamri::Safir());
    }
    p->restore();
}

void TTabColorControlStyleHook::IcerikCiz(QPainter* p, const QStyleOptionTab& o, const QWidget* w) {
    const bool secili = o.state & QStyle::State_Selected;
    const bool etkin = o.state & QStyle::State_Enabled;
    QFont rozetYazisi = w ? w->font() : p->font();
    rozetYazisi.setBold(true);
    if (rozetYazisi.pointSizeF() > 0)
        rozetYazisi.setPointSizeF(qMax(6.0, rozetYazisi.pointSizeF() - 1.5));
    else
        rozetYazisi.setPixelSize(qMax(8, rozetYazisi.pixelSize() - 2));
    const int simge = o.icon.isNull() ? 0 : qMin(24, o.rect.height() - 14);
    QFont baslikYazisi = w ? w->font() : p->font();
    baslikYazisi.setBold(true);
    const Yerlesim y = Hesapla(o.rect, o.text, simge, QFontMetrics(baslikYazisi), QFontMetrics(rozetYazisi));

    p->save();
    if (simge > 0) {
        const QIcon::Mode kip = etkin ? (secili ? QIcon::Active : QIcon::Normal) : QIcon::Disabled;
        o.icon.paint(p, y.simgeAlani, Qt::AlignCenter, kip, secili ? QIcon::On : QIcon::Off);
    }
    p->setFont(baslikYazisi);
    p->setPen(etkin ? (secili ? SapphireKamri::Safir().darker(115) : SapphireKamri::Lacivert())
                    : QColor(0x8a, 0x96, 0xa8));
    p->drawText(y.baslikAlani, Qt::AlignCenter | Qt::TextWordWrap, y.baslik);
    if (!y.rozet.isEmpty()) {
        p->setRenderHint(QPainter::Antialiasing, true);
        QPainterPath hap;
        hap.addRoundedRect(QRectF(y.rozetAlani), y.rozetAlani.height() / 2.0, y.rozetAlani.height() / 2.0);
        p->fillPath(hap, QColor(0xdb, 0xe6, 0xf6));
        p->setPen(QPen(QColor(0xa9, 0xbf, 0xe0), 1));
        p->drawPath(hap);
        p->setFont(rozetYazisi);
        p->setPen(RozetRengi());
        p->drawText(y.rozetAlani, Qt::AlignCenter, y.rozet);
    }
    p->restore();
}
