#include "NesneOkuyucu.h"

#include "AlanZiyaretcisi.h"
#include "TTransferNesnesi.h"
#include "UzakHatalar.h"

#include <limits>

namespace {
[[noreturn]] void yanlis(const char* ad) {
    throw EProtocolError(QStringLiteral("Sunucudan gelen nesnenin '%1' alanı beklenen türde değil.").arg(QLatin1String(ad)));
}

class AlanOkuyucu : public AlanZiyaretcisi {
public:
    AlanOkuyucu(const JsonDugum& alanlar, NesneOkuyucu& okuyucu) : alanlar_(alanlar), okuyucu_(okuyucu) {}

    void alan(const char* ad, QString& d) override {
        if (const JsonDugum* j = bul(ad)) {
            if (j->tur != JsonDugum::Tur::Metin)
                yanlis(ad);
            d = j->metin;
        }
    }
    void alan(const char* ad, int& d) override {
        if (const JsonDugum* j = bul(ad)) {
            if (j->tur != JsonDugum::Tur::Tamsayi || j->tamsayi < std::numeric_limits<int>::min() ||
                j->tamsayi > std::numeric_limits<int>::max())
                yanlis(ad);
            d = static_cast<int>(j->tamsayi);
        }
    }
    void alan(const char* ad, double& d) override {
        if (const JsonDugum* j = bul(ad)) {
            if (j->tur == JsonDugum::Tur::Ondalik)
                d = j->ondalik;
            else if (j->tur == JsonDugum::Tur::Tamsayi)
                d = static_cast<double>(j->tamsayi);
            else
                yanlis(ad);
        }
    }
    void alan(const char* ad, bool& d) override {
        if (const JsonDugum* j = bul(ad)) {
            if (j->tur != JsonDugum::Tur::Mantiksal)
                yanlis(ad);
            d = j->mantiksal;
        }
    }
    void alan(const char* ad, NesneDizisi& dizi) override {
        const JsonDugum* j = bul(ad);
        if (!j)
            return;
        if (j->tur != JsonDugum::Tur::Dizi)
            yanlis(ad);
        dizi.Temizle();
        for (const JsonDugum& e : j->elemanlar)
            okuyucu_.Oku(e, dizi.Ekle());
    }

private:
    // A null member is treated like a missing one: the field keeps its value.
    const JsonDugum* bul(const char* ad) const {
        const JsonDugum* j = alanlar_.Uye(ad);
        return (j && j->tur != JsonDugum::Tur::Bos) ? j : nullptr;
    }
    const JsonDugum& alanlar_;
    NesneOkuyucu& okuyucu_;
};
} // namespace

const JsonDugum& NesneOkuyucu::cozumle(const JsonDugum& json, const char* beklenenTip) {
    if (json.tur != JsonDugum::Tur::Nesne)
        throw EProtocolError(QStringLiteral("Sunucu %1 nesnesi yerine başka bir değer gönderdi.").arg(QLatin1String(beklenenTip)));
    const JsonDugum* tip = json.Uye("type");
    if (!tip || tip->tur != JsonDugum::Tur::Metin || tip->metin != QLatin1String(beklenenTip))
        throw EProtocolError(QStringLiteral("Sunucudan beklenmeyen nesne türü geldi (%1 bekleniyordu).").arg(QLatin1String(beklenenTip)));
    if (const JsonDugum* ref = json.Uye("ref")) {
        if (ref->tur != JsonDugum::Tur::Tamsayi)
            throw EProtocolError(QStringLiteral("Sunucudan gelen nesne başvurusu geçersiz."));
        auto it = idler_.find(ref->tamsayi);
        if (it == idler_.end())
            throw EProtocolError(QStringLiteral("Sunucudan gelen nesne başvurusu bilinmeyen bir nesneyi gösteriyor."));
        return *it->second;
    }
    if (const JsonDugum* id = json.Uye("id"); id && id->tur == JsonDugum::Tur::Tamsayi)
        idler_[id->tamsayi] = &json;
    return json;
}

void NesneOkuyucu::Oku(const JsonDugum& json, TTransferNesnesi& hedef) {
    const JsonDugum& asil = cozumle(json, hedef.SinifAdi());
    const JsonDugum* alanlar = asil.Uye("fields");
    if (!alanlar || alanlar->tur != JsonDugum::Tur::Nesne)
        throw EProtocolError(QStringLiteral("Sunucudan gelen %1 nesnesinde alan listesi yok.").arg(QLatin1String(hedef.SinifAdi())));
    AlanOkuyucu z(*alanlar, *this);
    hedef.Alanlar(z);
}
