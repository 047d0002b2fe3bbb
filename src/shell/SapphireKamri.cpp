#include "SapphireKamri.h"

#include "TTabColorControlStyleHook.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QFontDatabase>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionTab>
#include <QTabBar>

SapphireKamri::SapphireKamri() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {
    setObjectName(QString::fromLatin1(kAdi));
}

QPalette SapphireKamri::Palet() {
    QPalette p;
    const QColor zemin(0xee, 0xf2, 0xf8);
    const QColor metin(0x16, 0x25, 0x3d);
    p.setColor(QPalette::Window, zemin);
    p.setColor(QPalette::WindowText, metin);
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::AlternateBase, QColor(0xef, 0xf4, 0xfb));
    p.setColor(QPalette::Text, metin);
    p.setColor(QPalette::Button, QColor(0xe4, 0xea, 0xf3));
    p.setColor(QPalette::ButtonText, metin);
    p.setColor(QPalette::Highlight, Safir());
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::ToolTipBase, QColor(0x10, 0x2a, 0x4f));
    p.setColor(QPalette::ToolTipText, Qt::white);
    p.setColor(QPalette::Link, Safir());
    p.setColor(QPalette::PlaceholderText, QColor(0x8a, 0x98, 0xad));
    p.setColor(QPalette::Light, Qt::white);
    p.setColor(QPalette::Midlight, QColor(0xdc, 0xe4, 0xf0));
    p.setColor(QPalette::Mid, Cerceve());
    p.setColor(QPalette::Dark, QColor(0x6d, 0x80, 0x9c));
    p.setColor(QPalette::Shadow, QColor(0x3a, 0x48, 0x5e));
    for (QPalette::ColorRole r : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, r, QColor(0x8e, 0x99, 0xaa));
    p.setColor(QPalette::Disabled, QPalette::Base, QColor(0xf3, 0xf5, 0xf8));
    p.setColor(QPalette::Disabled, QPalette::Highlight, QColor(0x9a, 0xac, 0xc8));
    return p;
}

void SapphireKamri::YazitipleriniYukle() {
    // A Tahoma-metric font where the desktop has one; otherwise the nearest sans face stands in.
    for (const char* yol : {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"})
        if (QFile::exists(QString::fromLatin1(yol)))
            QFontDatabase::addApplicationFont(QString::fromLatin1(yol));
    if (!QFontDatabase::families().contains(QStringLiteral("Tahoma")))
        QFont::insertSubstitution(QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans"));
    if (!QFontDatabase::families().contains(QStringLiteral("Arial")))
        QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
}

bool SapphireKamri::Uygula(QApplication& uygulama) {
    YazitipleriniYukle();
    QFont yazi(QStringLiteral("Tahoma"));
    yazi.setPointSize(9);
    uygulama.setFont(yazi);
    uygulama.setStyle(new SapphireKamri);
    uygulama.setPalette(Palet());
    QFile dosya(QStringLiteral(":/stil/sapphire_kamri.qss"));
    if (!dosya.open(QIODevice::ReadOnly)) {
        qWarning("The style \"%s\" could not be applied: its style sheet is missing; the default look stays.", kAdi);
        return false;
    }
    uygulama.setStyleSheet(QString::fromUtf8(dosya.readAll()));
    return true;
}

void SapphireKamri::polish(QWidget* w) {
    QProxyStyle::polish(w);
    if (qobject_cast<QTabBar*>(w))
        w->setAttribute(Qt::WA_Hover, true);
}

void SapphireKamri::drawControl(ControlElement e, const QStyleOption* o, QPainter* p, const QWidget* w) const {
    if (const auto* sekme = qstyleoption_cast<const QStyleOptionTab*>(o)) {
        const bool yatay = sekme->shape == QTabBar::RoundedNorth || sekme->shape == QTabBar::TriangularNorth;
        if (yatay && e == CE_TabBarTabShape) {
            TTabColorControlStyleHook::ZeminCiz(p, *sekme);
            return;
        }
        if (yatay && e == CE_TabBarTabLabel) {
            TTabColorControlStyleHook::IcerikCiz(p, *sekme, w);
            return;
        }
    }
    QProxyStyle::drawControl(e, o, p, w);
}

void SapphireKamri::drawPrimitive(PrimitiveElement e, const QStyleOption* o, QPainter* p, const QWidget* w) const {
    if (e == PE_FrameTabWidget) {
        p->save();
        p->fillRect(o->rect, QColor(0xff, 0xff, 0xff));
        p->setPen(Cerceve());
        p->drawRect(o->rect.adjusted(0, 0, -1, -1));
        p->restore();
        return;
    }
    if (e == PE_FrameTabBarBase) {
        p->save();
        p->setPen(Cerceve());
        p->drawLine(o->rect.bottomLeft(), o->rect.bottomRight());
        p->restore();
        return;
    }
    if (e == PE_FrameFocusRect && qobject_cast<const QTabBar*>(w))
        return;  // the selected tab is marked by its cap
    QProxyStyle::drawPrimitive(e, o, p, w);
}

QSize SapphireKamri::sizeFromContents(ContentsType t, const QStyleOption* o, const QSize& s, const QWidget* w) const {
    if (t == CT_TabBarTab) {
        if (const auto* sekme = qstyleoption_cast<const QStyleOptionTab*>(o))
            if (sekme->shape == QTabBar::RoundedNorth || sekme->shape == QTabBar::TriangularNorth)
                return QSize(kSekmeGenisligi, kSekmeYuksekligi);
    }
    return QProxyStyle::sizeFromContents(t, o, s, w);
}

int SapphireKamri::styleHint(StyleHint h, const QStyleOption* o, const QWidget* w, QStyleHintReturn* r) const {
    switch (h) {
    case SH_LineEdit_PasswordCharacter: return '*';
    case SH_DialogButtonLayout: return QDialogButtonBox::WinLayout;
    case SH_TabBar_ElideMode: return Qt::ElideNone;
    case SH_TabBar_Alignment: return Qt::AlignLeft;
    case SH_MessageBox_CenterButtons: return 0;
    default: return QProxyStyle::styleHint(h, o, w, r);
    }
}

int SapphireKamri::pixelMetric(PixelMetric m, const QStyleOption* o, const QWidget* w) const {
    switch (m) {
    case PM_TabBarTabOverlap: return 0;
    case PM_TabBarTabHSpace: return 0;
    case PM_TabBarBaseOverlap: return 1;
    case PM_TabBarTabShiftVertical: return 0;
    case PM_TabBarTabShiftHorizontal: return 0;
    default: return QProxyStyle::pixelMetric(m, o, w);
    }
}
