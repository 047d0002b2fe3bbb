#include "KatalogKaydi.h"

#include "AnaPencereKancalari.h"
#include "TStokListesiSayfasi.h"
#include "TTanitimListesiSayfasi.h"

void KatalogSayfalariniKaydet() {
    auto& k = AnaPencereKancalari::Al();
    k.sayfalar[static_cast<std::size_t>(Sayfa::sstoklistesi)] = [](AnaPencereArayuzu& ana, QWidget* ebeveyn) {
        return static_cast<SekmeSayfasi*>(new TStokListesiSayfasi(ana, ebeveyn));
    };
    k.sayfalar[static_cast<std::size_t>(Sayfa::syeniler)] = [](AnaPencereArayuzu& ana, QWidget* ebeveyn) {
        return static_cast<SekmeSayfasi*>(
            new TTanitimListesiSayfasi(TTanitimListesiSayfasi::Tur::Yeniler, ana, ebeveyn));
    };
    k.sayfalar[static_cast<std::size_t>(Sayfa::skampanyali)] = [](AnaPencereArayuzu& ana, QWidget* ebeveyn) {
        return static_cast<SekmeSayfasi*>(
            new TTanitimListesiSayfasi(TTanitimListesiSayfasi::Tur::Kampanyali, ana, ebeveyn));
    };
}
