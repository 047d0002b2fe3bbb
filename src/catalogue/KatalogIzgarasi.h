#pragma once
#include <QColor>
#include <QString>
#include <QtCore/qnamespace.h>

#include <vector>

class TGridView;
struct MusteriTipiKurallari;

// How a catalogue grid column draws its cells.
enum class HucreTuru { Metin, Durum, EvetHayir, Resim, Ozel };

// One column of a catalogue grid as designed.
struct SutunTanimi {
    const char* ad;       // column name (objectName)
    const char* alan;     // bound field; empty for an unbound column
    const char* baslik;   // caption; empty for none
    int agirlik;          // weight of the width rule
    bool gorunur;         // shown at start
    bool sunulur = true;  // offered in the column chooser
    HucreTuru tur = HucreTuru::Metin;
    bool sar = false;     // word wrap
    Qt::Alignment hiza = Qt::AlignLeft | Qt::AlignVCenter;
};

namespace KatalogIzgarasi {

// The common look and options of the catalogue views: read-only, row selection, incremental
// search, header filter buttons, column chooser, footer, header height 40, indicator 5 pixels,
// grid lines 15917522, headers cxStyle3 (bold white Arial on 9580846), selection cxStyle4 (bold
// black), rows `cift` (even) and `tek` (odd).
void GorunumKur(TGridView* izgara, const QColor& cift, const QColor& tek);

// Adds the columns in order.
void SutunlariEkle(TGridView* izgara, const std::vector<SutunTanimi>& sutunlar);

// Shows or hides (and offers or withdraws) the columns the customer type's rules name for `gorunum`.
void MusteriKurallariniUygula(TGridView* izgara, const QString& gorunum, const MusteriTipiKurallari& kurallar);

// The styles of the views.
QColor cxStyle1();  // 15724527
QColor cxStyle2();  // white

} // namespace KatalogIzgarasi
