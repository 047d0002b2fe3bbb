#include "KayitIstegiAc.h"

#include <QDesktopServices>
#include <QUrl>

namespace {
KayitIstegiAcIslevi& islev() {
    static KayitIstegiAcIslevi i;
    return i;
}
} // namespace

void KayitIstegiAcIsleviAyarla(KayitIstegiAcIslevi yeni) { islev() = std::move(yeni); }

void KayitIstegiAc(QWidget* sahip, const QString& baslik, const QString& adres) {
    if (islev()) {
        islev()(sahip, baslik, adres);
        return;
    }
    QDesktopServices::openUrl(QUrl(adres));
}
