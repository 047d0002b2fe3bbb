#include "GuncellemeAc.h"

namespace {
GuncellemeAcIslevi& islev() {
    static GuncellemeAcIslevi i;
    return i;
}
} // namespace

void GuncellemeAcIsleviAyarla(GuncellemeAcIslevi yeni) { islev() = std::move(yeni); }

void GuncellemeAc(QWidget* sahip, TSQLConnection& baglanti, int version) {
    if (islev())
        islev()(sahip, baglanti, version);
}
