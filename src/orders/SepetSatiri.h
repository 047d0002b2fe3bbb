#pragma once
#include <QString>

// Small rules on one basket line.
namespace SepetSatiri {

// The flag a toggle of "Seç" writes: 1 for an unticked line (0), 0 for anything else.
inline int YeniSecim(int eski) { return eski == 0 ? 1 : 0; }

// The note stored with a deleted line: stock code, "-", stock description.
inline QString SilmeNotu(const QString& barkod, const QString& stokadi) {
    return barkod + QLatin1Char('-') + stokadi;
}

} // namespace SepetSatiri
