#include "UcNoktaAyarlari.h"

#include "KurulumAyarlari.h"

#include <optional>

namespace {
std::optional<UcNoktaAyarlari>& ayarlar() {
    static std::optional<UcNoktaAyarlari> a;
    return a;
}

QString sonaBolu(QString adres) {
    if (!adres.isEmpty() && !adres.endsWith(u'/'))
        adres += u'/';
    return adres;
}
} // namespace

UcNoktaAyarlari UcNoktaAyarlari::Kurulumdan(const KurulumAyarlari& k) {
    UcNoktaAyarlari u;
    u.sunucuHost = k.sunucuHost;
    u.sunucuPort = QString::number(k.sunucuPort);
    u.kayitAdresi = sonaBolu(k.kayitAdresi);
    u.webSitesi = k.webSitesi;
    QString baslik = k.webSitesi;
    const qsizetype sema = baslik.indexOf(QStringLiteral("://"));
    if (sema >= 0)
        baslik = baslik.mid(sema + 3);
    while (baslik.endsWith(u'/'))
        baslik.chop(1);
    u.webSitesiBasligi = baslik;
    u.ipServisi = k.ipServisi;
    return u;
}

const UcNoktaAyarlari& UcNoktaAyarlari::Al() {
    if (!ayarlar())
        ayarlar() = Kurulumdan(KurulumAyarlari::Al());
    return *ayarlar();
}

void UcNoktaAyarlari::Degistir(const UcNoktaAyarlari& yeni) { ayarlar() = yeni; }
