#pragma once
#include "Sayfa.h"

#include <array>
#include <functional>

class AnaPencereArayuzu;
class QWidget;
class SekmeSayfasi;

// Where the subsystems plug into the main window. The program entry fills these before the window
// is created; what is left empty is an empty tab page or a step that does nothing.
struct AnaPencereKancalari {
    // Builds the content of a tab page inside `ebeveyn` (the page belongs to it).
    using SayfaKurucusu = std::function<SekmeSayfasi*(AnaPencereArayuzu& ana, QWidget* ebeveyn)>;
    std::array<SayfaKurucusu, kSayfaSayisi> sayfalar;

    using Islem = std::function<void(AnaPencereArayuzu& ana)>;
    // Start-up steps on the start-up worker (each opens its own connection with the message on and
    // hands every visible change to the interface thread): header, upper and lower banner.
    Islem BannerREsimAl;
    Islem BannerREsimAlUst;
    Islem BannerREsimAlAlt;
    // On the interface thread when the start-up task has finished: the opening advertisements.
    Islem AcilisReklamGoster;

    // Menu items of "Genelmenu" and the button "Başka Cari Seç".
    Islem M1Click;          // "Mail Gönder"
    Islem N4Click;          // "Şifre Değiştirme İsteği"
    Islem R1Click;          // "Raporlar"
    Islem musteritusClick;  // "Başka Cari Seç"

    static AnaPencereKancalari& Al();
};
