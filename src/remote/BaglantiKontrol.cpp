#include "BaglantiKontrol.h"

#include "ArkaPlandaCalistir.h"
#include "BaglantiMesaji.h"
#include "TSQLConnection.h"
#include "UzakHatalar.h"

#include <QThread>

#include <atomic>
#include <mutex>

namespace {
std::atomic<int> beklemeMs{500};
std::mutex kancaKilidi;
BaglantiMesajiKancasi mesajKancasi;
} // namespace

void BaglantiKontrolBeklemesiAyarla(int ms) { beklemeMs = ms; }

void BaglantiMesajiKancasiAyarla(BaglantiMesajiKancasi kanca) {
    std::lock_guard kilit(kancaKilidi);
    mesajKancasi = std::move(kanca);
}

void BaglantiMesajiGoster() {
    BaglantiMesajiKancasi kanca;
    {
        std::lock_guard kilit(kancaKilidi);
        kanca = mesajKancasi;
    }
    if (kanca)
        ArayuzdeCalistir([&] { kanca(kBaglantiMesaji); });
}

bool BaglantiKontrol(TSQLConnection& baglanti, bool mesaj) {
    constexpr int kDeneme = 11;
    baglanti.Close();
    for (int i = 0; i < kDeneme; ++i) {
        try {
            baglanti.Open();
            return true;
        } catch (const EHata&) {
            baglanti.Close();
            QThread::msleep(static_cast<unsigned long>(beklemeMs.load()));
        }
    }
    if (mesaj)
        BaglantiMesajiGoster();
    return false;
}
