#pragma once
#include "SekmeSayfasi.h"

#include <functional>

class AnaPencereArayuzu;
class TClientDataSet;
class TGridView;

// The two promotion pages without a search: "Yeni Stoklar" (new stock, YENILER) and "Kampanyalı
// Stoklar" (campaign stock, kampstok). Each loads its whole list in the background every time it
// is shown; a show while its load still runs starts nothing (the running load fills the page).
class TTanitimListesiSayfasi : public SekmeSayfasi {
    Q_OBJECT
public:
    enum class Tur { Yeniler, Kampanyali };

    TTanitimListesiSayfasi(Tur tur, AnaPencereArayuzu& ana, QWidget* ebeveyn);

    void MusteriTipineUyarla(const MusteriTipiKurallari& kurallar) override;

    // syenilerShow / skampanyaliShow: starts the load unless one is running.
    void Yukle();
    bool Yukleniyor() const { return yukleniyor_; }
    // YeniSutunAyarla / KampanyaliSutunAyarla: weighted widths on a screen wider than 1152, else
    // best fit.
    void SutunAyarla();
    // Double-click: edits the basket line of the stock, or opens the dialog for a new line.
    void DblClick();

    TGridView* Gorunum() const { return izgara_; }

    // The screen width the width rule looks at (tests replace it).
    static void EkranGenisligiKaynagiAyarla(std::function<int()> kaynak);

protected:
    void showEvent(QShowEvent* olay) override;

private:
    void yuklemeBitti(bool basarili);
    TClientDataSet& tablo();

    Tur tur_;
    AnaPencereArayuzu& ana_;
    TGridView* izgara_ = nullptr;
    bool yukleniyor_ = false;
};
