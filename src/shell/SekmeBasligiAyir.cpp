#include "SekmeBasligiAyir.h"

TSonuc SekmeBasligiAyir(const QString& baslik) {
    TSonuc s;
    const qsizetype esit = baslik.indexOf(u'=');
    if (esit < 0) {
        s.baslik = baslik;
        return s;
    }
    s.baslik = baslik.mid(esit + 1, 100);
    bool tamam = false;
    const int sayi = baslik.left(esit).trimmed().toInt(&tamam);
    s.sayi = tamam ? sayi : 0;
    return s;
}
