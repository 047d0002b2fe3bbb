#pragma once
#include <QColor>
#include <QRect>
#include <QString>

class QPainter;
class QStyleOptionTab;
class QWidget;
class QFontMetrics;

// The tab painter of the "Sapphire Kamri" style: every tab caption is split with SekmeBasligiAyir,
// the title is drawn centred and wrapped, a count above 0 as the badge "(n)" at the top right.
class TTabColorControlStyleHook {
public:
    // RGB(26, 64, 112): the colour of the count badge.
    static QColor RozetRengi() { return QColor(26, 64, 112); }

    // Where the parts of one tab go.
    struct Yerlesim {
        QString baslik;
        QRect baslikAlani;  // centred, word-wrapped
        QRect simgeAlani;   // empty without an icon
        QString rozet;      // "(7)", or empty without a count
        QRect rozetAlani;   // right-aligned at the top
    };
    // A wrapped title that would run into the badge moves down below it.
    static Yerlesim Hesapla(const QRect& sekme, const QString& baslik, int simgeBoyu, const QFontMetrics& baslikYazisi,
                            const QFontMetrics& rozetYazisi);

    // Background of the tab for its state (normal, hot, selected).
    static void ZeminCiz(QPainter* p, const QStyleOptionTab& secenek);
    // Icon, title and badge.
    static void IcerikCiz(QPainter* p, const QStyleOptionTab& secenek, const QWidget* sekmeCubugu);
};
