#include "SiparisKaydi.h"

#include "AnaPencereKancalari.h"
#include "TONAYSIP.h"
#include "TSepetSayfasi.h"

void SiparisSayfalariniKaydet() {
    AnaPencereKancalari::Al().sayfalar[static_cast<std::size_t>(Sayfa::ssepet)] =
        [](AnaPencereArayuzu& ana, QWidget* ebeveyn) { return static_cast<SekmeSayfasi*>(new TSepetSayfasi(ana, ebeveyn)); };
}
