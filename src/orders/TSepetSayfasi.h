#pragma once
#include "SekmeSayfasi.h"

#include <QPointer>

#include <atomic>
#include <memory>
#include <thread>
#include <vector>

class AnaPencereArayuzu;
class QComboBox;
class QGroupBox;
class QLabel;
class QMenu;
class QAction;
class QPlainTextEdit;
class QPushButton;
class QWidget;
class TClientDataSet;
class TGridColumn;
class TGridView;
class TONAYSIP;
class TRadioGroup;

// The "Sepet" tab page: the basket grid with its popup menu, the selection buttons and the overdue
// warning, the delivery / shipping / cargo choices, the message, the totals and "Gönder".
//
// The basket table `sepet` and the cargo-firm table `kargo` belong to the main window
// (AnaPencereArayuzu::Tablo); the page installs SepetYenile and uses SepetSatiriDuzenle of the
// window's cross-page operations. Everything runs on the interface thread except the overdue
// warning, which has a thread of its own and only hands its text over.
class TSepetSayfasi : public SekmeSayfasi {
    Q_OBJECT
public:
    TSepetSayfasi(AnaPencereArayuzu& ana, QWidget* ebeveyn);
    ~TSepetSayfasi() override;

    void MusteriTipineUyarla(const MusteriTipiKurallari& kurallar) override;

    // Page shown: clear the warning, start it, reload the basket and the delivery/shipping choices.
    void ssepetShow();
    // Reloads the basket, re-captions the tab "<count>=Sepet", recomputes the totals.
    void SepetYenile();
    void SepetToplamHesapla();
    // Column widths: by weight on screens wider than 1152 pixels, best fit otherwise.
    void SepetSutunAyarla();
    // Starts the overdue-balance warning on a thread of its own.
    void CariBakiyeUyariBak();
    void Button2Click();  // "Excel Kaydet"

    // Line editing and selection.
    void Deitir1Click();  // "Satır Değiştir", and a double-click on a line
    void cxGridDBTableView1DblClick() { Deitir1Click(); }
    void SatrSil1Click();
    void HepsiniSil1Click();
    void Button4Click() { HepsiniIsaretle(1); }  // "Hepsini Seç"
    void Button5Click() { HepsiniIsaretle(0); }  // "Seçimleri Kaldır"
    bool SepetSecimKaydet(int sirano, int secim);

    // Order submission.
    void TeslimKargoDoldur();
    void KargolarDoldur(int gn);
    void boxkargoClick();
    void kargocomboChange();
    void Button1Click();  // "Gönder"
    bool SiparisGonder(int kargoNo, int kargoTuru, int teslim);

    // Controls (also found by objectName).
    TGridView* cxGrid2() const { return cxGrid2_; }
    TGridView* cxGridDBTableView1() const { return cxGrid2_; }
    QMenu* PopupMenu1() const { return PopupMenu1_; }
    QAction* Deitir1() const { return Deitir1_; }
    QAction* SatrSil1() const { return SatrSil1_; }
    QAction* HepsiniSil1() const { return HepsiniSil1_; }
    QPushButton* Button4() const { return Button4_; }
    QPushButton* Button5() const { return Button5_; }
    QLabel* lbluyarbakiye() const { return lbluyarbakiye_; }
    TRadioGroup* teslimbox() const { return teslimbox_; }
    TRadioGroup* boxkargo() const { return boxkargo_; }
    QComboBox* kargocombo() const { return kargocombo_; }
    QLabel* uyarikargo() const { return uyarikargo_; }
    QPlainTextEdit* aciklamagir() const { return aciklamagir_; }
    QLabel* aratoplaml() const { return aratoplaml_; }
    QLabel* indiriml() const { return indiriml_; }
    QLabel* nettutarl() const { return nettutarl_; }
    QLabel* vergil() const { return vergil_; }
    QLabel* Label6() const { return Label6_; }
    QLabel* geneltoplaml() const { return geneltoplaml_; }
    QPushButton* Button1() const { return Button1_; }
    QPushButton* Button2() const { return Button2_; }
    TClientDataSet& sepet() const;
    TClientDataSet& kargo() const;

    // Tests: the screen width SepetSutunAyarla compares with 1152 (0: the real screen).
    void EkranGenisligiAyarla(int genislik) { ekranGenisligi_ = genislik; }
    // Tests: the confirmation dialog while it is open (else nullptr).
    TONAYSIP* AcikOnay() const { return onay_; }

signals:
    // The overdue warning has been written into lbluyarbakiye.
    void UyariYazildi();

protected:
    void showEvent(QShowEvent* olay) override;

private:
    void gridKur();
    QWidget* secimPaneliKur();
    QWidget* altPaneliKur();
    // Moves `sepet` to the line focused in the grid (by SIRANO); false when no line is focused.
    bool OdaktakiSatiraGit();
    void HepsiniIsaretle(int secim);
    int ekranGenisligi() const;
    void uyariThreadleriniTopla(bool hepsi);

    AnaPencereArayuzu& ana_;
    TGridView* cxGrid2_ = nullptr;
    TGridColumn* secSutunu_ = nullptr;
    QMenu* PopupMenu1_ = nullptr;
    QAction* Deitir1_ = nullptr;
    QAction* SatrSil1_ = nullptr;
    QAction* HepsiniSil1_ = nullptr;
    QPushButton* Button4_ = nullptr;
    QPushButton* Button5_ = nullptr;
    QLabel* lbluyarbakiye_ = nullptr;
    TRadioGroup* teslimbox_ = nullptr;
    TRadioGroup* boxkargo_ = nullptr;
    QComboBox* kargocombo_ = nullptr;
    QLabel* uyarikargo_ = nullptr;
    QPlainTextEdit* aciklamagir_ = nullptr;
    QLabel* aratoplaml_ = nullptr;
    QLabel* indiriml_ = nullptr;
    QLabel* nettutarl_ = nullptr;
    QLabel* vergil_ = nullptr;
    QLabel* Label6_ = nullptr;
    QLabel* geneltoplaml_ = nullptr;
    QPushButton* Button1_ = nullptr;
    QPushButton* Button2_ = nullptr;
    QPointer<TONAYSIP> onay_;
    int ekranGenisligi_ = 0;

    // The warning threads; each sets its flag when done. Only the newest one's text is shown.
    struct UyariIsi {
        std::thread is;
        std::shared_ptr<std::atomic<bool>> bitti;
    };
    std::vector<UyariIsi> uyariIsleri_;
    std::shared_ptr<std::atomic<int>> uyariKusagi_;
};
