#include "CariSecimiAc.h"

namespace {
CariSecimiAcIslevi& islev() {
    static CariSecimiAcIslevi i;
    return i;
}
} // namespace

void CariSecimiAcIsleviAyarla(CariSecimiAcIslevi yeni) { islev() = std::move(yeni); }

bool CariSecimiAc(QWidget* sahip, TSQLConnection& baglanti, TSonucBilgisi& bilgim) {
    return islev() ? islev()(sahip, baglanti, bilgim) : true;
}
