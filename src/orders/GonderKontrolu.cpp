#include "GonderKontrolu.h"

GonderKontrolu::Engel GonderKontrolu::Sonuc() const {
    if (!secimVar)
        return Engel::ParcaYok;
    if (teslimIndex < 0)
        return Engel::TeslimYok;
    if (kargoTuruIndex < 0)
        return Engel::KargoTuruYok;
    if (kargoIndex <= 0)
        return Engel::KargoYok;
    return Engel::Yok;
}

QString GonderKontrolu::Mesaj(Engel engel) {
    switch (engel) {
    case Engel::ParcaYok: return QStringLiteral("Gönderilecek Parça Yok ");
    case Engel::TeslimYok: return QStringLiteral("Lütfen Teslim Durumu Seçiniz !");
    case Engel::KargoTuruYok: return QStringLiteral("Lütfen Kargo Türünü Seçiniz !");
    case Engel::KargoYok: return QStringLiteral("Lütfen Kargo  Seçiniz !");
    case Engel::Yok: break;
    }
    return {};
}
