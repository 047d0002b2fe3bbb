#pragma once
#include <QString>

// A tab caption is a plain title or "<count>=<title>"; the tab painter draws the count as a badge.
struct TSonuc {
    int sayi = 0;
    QString baslik;
};

// Splits a caption at its first "=". The title after it is kept to 100 characters. A part before
// "=" that is not a whole number (the balances reminder may carry a fraction, "2,5=Bakiyeler") gives
// no badge: the count stays 0 and the title is the text after "=". Never fails.
TSonuc SekmeBasligiAyir(const QString& baslik);
