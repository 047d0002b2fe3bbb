#include "Sayfa.h"

#include <array>

namespace {
struct SayfaTanimi {
    const char* ad;
    const char* baslik;
};
constexpr std::array<SayfaTanimi, kSayfaSayisi> kSayfalar{{
    {"sstoklistesi", "Stok Listesi"},
    {"ssepet", "Sepet"},
    {"sonceki", "Önceki Siparişler"},
    {"sccariekstre", "Cari Ekstre"},
    {"syeniler", "Yeni Stoklar"},
    {"skampanyali", "Kampanyalı Stoklar"},
    {"sTabSheetduyuru", "Duyurular"},
    {"sTabbakiyeler", "Bakiyeler"},
    {"ss", "Sanal Pos"},
    {"tabdosyalar", "Dosyalar"},
}};
constexpr std::array<const char*, kGostergeSayisi> kGostergeler{
    "gifstokara", "gifyeniler", "gifkampanyali", "gifduyuru", "gifoncekiler", "gifdosyalar", "gifekstre"};
constexpr std::array<const char*, kAnaTabloSayisi> kTablolar{
    "stok", "sepet", "kargo", "ONCEKILER", "EKSTRE", "YENILER", "kampstok", "dosyatable"};
} // namespace

QString SayfaAdi(Sayfa s) { return QString::fromLatin1(kSayfalar[static_cast<std::size_t>(s)].ad); }
QString SayfaBasligi(Sayfa s) { return QString::fromUtf8(kSayfalar[static_cast<std::size_t>(s)].baslik); }
QString GostergeAdi(Gosterge g) { return QString::fromLatin1(kGostergeler[static_cast<std::size_t>(g)]); }
QString AnaTabloAdi(AnaTablo t) { return QString::fromLatin1(kTablolar[static_cast<std::size_t>(t)]); }
