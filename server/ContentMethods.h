#pragma once
#include "DemoContext.h"

class MethodRegistry;

// Ticker, banners, reminder counts, announcements and opening advertisements, documents:
// KayanYaziGetir, BannerResimVer(2,3), BalonGetir, AcilisReklamAdet, AcilisREklamVer,
// AcilisEkranlarVer2, DosyaListesi2, BelgeIndir.
class ContentMethods {
public:
    explicit ContentMethods(DemoContext& ctx) : ctx_(ctx) {}
    void registerMethods(MethodRegistry& registry);

private:
    DemoContext& ctx_;
};
