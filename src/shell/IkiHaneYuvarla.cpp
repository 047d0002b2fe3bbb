#include "IkiHaneYuvarla.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

double IkiHaneYuvarla(double deger) {
    if (!std::isfinite(deger) || deger == 0.0)
        return deger == 0.0 ? 0.0 : deger;
    // d.ddddddddddddddddde±X: 18 significant digits, correctly rounded by the C library.
    char metin[64];
    std::snprintf(metin, sizeof metin, "%.17e", std::fabs(deger));
    std::string rakamlar;
    rakamlar.push_back(metin[0]);
    rakamlar.append(metin + 2, 17);
    const int us = std::atoi(metin + 20);  // after "d." and 17 digits and "e"
    // Digits up to the second decimal: the integer digits (us + 1) and two more.
    const int tutulan = us + 3;
    if (tutulan < 0)
        return 0.0;
    if (tutulan >= 18)
        return deger;  // no digit at or beyond the third decimal: the value is its own rounding
    unsigned long long n = tutulan == 0 ? 0ULL : std::stoull(rakamlar.substr(0, static_cast<std::size_t>(tutulan)));
    if (rakamlar[static_cast<std::size_t>(tutulan)] >= '5')
        ++n;
    if (n == 0)
        return 0.0;
    // n hundredths, read back the way the text form would be read.
    const std::string yuzde = std::to_string(n) + "e-2";
    const double sonuc = std::strtod(yuzde.c_str(), nullptr);
    return deger < 0 ? -sonuc : sonuc;
}
