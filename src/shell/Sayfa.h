#pragma once
#include <QString>

// The tab pages of the main window, in their order.
enum class Sayfa { sstoklistesi, ssepet, sonceki, sccariekstre, syeniler, skampanyali, sTabSheetduyuru,
                   sTabbakiyeler, ss, tabdosyalar };
inline constexpr int kSayfaSayisi = 10;

// The page's control name ("sstoklistesi", …) and its designed caption ("Stok Listesi", …).
QString SayfaAdi(Sayfa s);
QString SayfaBasligi(Sayfa s);

// The busy indicators of the search bar, one per background load.
enum class Gosterge { gifstokara, gifyeniler, gifkampanyali, gifduyuru, gifoncekiler, gifdosyalar, gifekstre };
inline constexpr int kGostergeSayisi = 7;
QString GostergeAdi(Gosterge g);

// The client tables the main window holds for its pages.
enum class AnaTablo { stok, sepet, kargo, ONCEKILER, EKSTRE, YENILER, kampstok, dosyatable };
inline constexpr int kAnaTabloSayisi = 8;
QString AnaTabloAdi(AnaTablo t);
