#include "MesajKaydedici.h"

#include <QStringList>

MesajKaydedici::MesajKaydedici() {
    MesajSorKancasiAyarla([this](const MesajKaydi& k) {
        kayitlar_.append(k);
        if (geldiginde_)
            geldiginde_(k);
        return cevaplar_.isEmpty() ? k.odak : cevaplar_.takeFirst();
    });
}

MesajKaydedici::~MesajKaydedici() { MesajSorKancasiAyarla({}); }

QStringList MesajKaydedici::Metinler() const {
    QStringList m;
    for (const MesajKaydi& k : kayitlar_)
        m.append(k.metin);
    return m;
}
