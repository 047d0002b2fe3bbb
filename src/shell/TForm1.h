#pragma once
#include "AnaPencereArayuzu.h"
#include "CaprazIslemler.h"
#include "MusteriTipiKurallari.h"

#include <QMainWindow>

#include <array>
#include <memory>

class QAction;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTabWidget;
class QToolButton;
class SekmeSayfasi;

// The main window: the frame (header, search bar, the ten tab pages, status legend, ticker), the
// sign-in record and the connection of the process, the login and the start-up loads. The pages
// of the subsystems live in its tab pages and reach it through AnaPencereArayuzu.
class TForm1 : public QMainWindow, public AnaPencereArayuzu {
    Q_OBJECT
public:
    // Builds the frame and its pages (nothing runs yet).
    explicit TForm1(QWidget* ebeveyn = nullptr);
    ~TForm1() override;

    // The start-up sequence: endpoint settings, the workstation fields of sbilgi, the connection,
    // the login (GirisYap) and the start-up loads. False when the process was to end in it (only a
    // test hook lets SurecBitir return).
    bool FormCreate();
    // Runs the login dialog and adapts the window to the customer type. False as FormCreate.
    bool GirisYap();
    // Applies the customer-type rules to the window and its pages (GirisYap does it after login).
    void MusteriTipineUyarla(int musteriTipi);
    // Starts the start-up loads as one background task.
    void BaslangicYukle();
    bool BaslangicSuruyor() const { return baslangicSuruyor_; }

    void G1Click();
    void WebSitesi1Click();

    // The caption split used by the tab painter is SekmeBasligiAyir (SekmeBasligiAyir.h).

    // AnaPencereArayuzu
    QWidget* Pencere() override { return this; }
    TSonucBilgisi& sbilgi() override { return *sbilgi_; }
    TSQLConnection& bagc() override { return *bagc_; }
    const MusteriTipiKurallari& Kurallar() const override { return kurallar_; }
    TClientDataSet& Tablo(AnaTablo t) override;
    void SayfaGoster(Sayfa s) override;
    Sayfa AktifSayfa() const override;
    QString SekmeBasligi(Sayfa s) const override;
    void SekmeBasligiYaz(Sayfa s, const QString& baslik) override;
    QLineEdit* araedit() override { return araedit_; }
    QAbstractButton* SpeedButton2() override;
    QAbstractButton* SpeedButton1() override;
    QComboBox* comdepartman() override { return comdepartman_; }
    TMesgulGostergesi* MesgulGostergesi(Gosterge g) override { return gostergeler_[static_cast<std::size_t>(g)]; }
    void AraBas() override;
    TKayanYazi* kayanyazi() override { return kayanyazi_; }
    QLabel* GifResim1() override { return GifResim1_; }
    int AcilisAdet() const override { return _acilisadet; }
    void AnaBilgiAl() override;
    void SepetYenile() override;
    void StokSatiriEkle(int stokno) override;
    void SepetSatiriDuzenle(int sirano) override;
    void TumSiparisleriGoster(int stokno) override;
    CaprazIslemler& Islemler() override { return islemler_; }

    QTabWidget* sPageControl1() const { return sPageControl1_; }
    QWidget* SekmeSayfasiAl(Sayfa s) const { return sekmeler_[static_cast<std::size_t>(s)]; }
    QMenu* Genelmenu() const { return Genelmenu_; }

protected:
    // FormCloseQuery: the exit confirmation.
    void closeEvent(QCloseEvent* olay) override;

private:
    QWidget* baslikPaneliKur();
    QWidget* aramaPaneliKur();
    QWidget* sayfalariKur();
    QWidget* durumPaneliKur();
    QWidget* altPaneliKur();
    void menuKur();

    // Start-up steps (worker thread).
    void KayanYaziAl(TSQLConnection& sablon);
    void AcilisReklamAdetAl(TSQLConnection& sablon);
    void BalonYaz(TSQLConnection& sablon, const TSonucBilgisi& bilgi);
    void DepartmanDoldur(TSQLConnection& sablon);
    void AcilisReklamGoster();

    std::unique_ptr<TSonucBilgisi> sbilgi_;
    std::unique_ptr<TSQLConnection> bagc_;
    MusteriTipiKurallari kurallar_;
    CaprazIslemler islemler_;
    int _acilisadet = 0;
    bool baslangicSuruyor_ = false;

    std::array<TClientDataSet*, kAnaTabloSayisi> tablolar_{};
    std::array<QWidget*, kSayfaSayisi> sekmeler_{};
    std::array<SekmeSayfasi*, kSayfaSayisi> sayfalar_{};
    std::array<TMesgulGostergesi*, kGostergeSayisi> gostergeler_{};

    QWidget* Panel1_ = nullptr;
    QLabel* Image1_ = nullptr;
    QLabel* kullanicilbl_ = nullptr;
    QLabel* cariadilbl_ = nullptr;
    QLabel* saticilbl_ = nullptr;
    QLabel* GifResim1_ = nullptr;
    QToolButton* Button3_ = nullptr;
    QMenu* Genelmenu_ = nullptr;
    QAction* WebSitesi1_ = nullptr;
    QAction* R1_ = nullptr;
    QLabel* RxGIFAnimator2_ = nullptr;
    QLineEdit* araedit_ = nullptr;
    QToolButton* SpeedButton2_ = nullptr;
    QToolButton* SpeedButton1_ = nullptr;
    QComboBox* comdepartman_ = nullptr;
    QPushButton* musteritus_ = nullptr;
    QTabWidget* sPageControl1_ = nullptr;
    TKayanYazi* kayanyazi_ = nullptr;
    QWidget* Panel5_ = nullptr;
};
