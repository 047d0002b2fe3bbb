#pragma once
#include "AnaPencereArayuzu.h"
#include "CaprazIslemler.h"
#include "MusteriTipiKurallari.h"
#include "TSQLConnection.h"
#include "TSonucBilgisi.h"

#include <QList>
#include <QWidget>

#include <array>

class QLineEdit;
class QVBoxLayout;

// A stand-in for the main window: a plain window holding the tables, the record, the connection and
// a search box; it records the cross-page calls the pages make.
class SahteAnaPencere : public QWidget, public AnaPencereArayuzu {
public:
    SahteAnaPencere();
    ~SahteAnaPencere() override;

    // Puts a page into the window (it fills it).
    void SayfaKoy(QWidget* sayfa);
    QVBoxLayout* Yerlesim() const { return yerlesim_; }

    QWidget* Pencere() override { return this; }
    TSonucBilgisi& sbilgi() override { return sbilgi_; }
    TSQLConnection& bagc() override { return bagc_; }
    const MusteriTipiKurallari& Kurallar() const override { return kurallar_; }
    TClientDataSet& Tablo(AnaTablo t) override { return *tablolar_[static_cast<std::size_t>(t)]; }
    void SayfaGoster(Sayfa s) override { aktif_ = s; }
    Sayfa AktifSayfa() const override { return aktif_; }
    QString SekmeBasligi(Sayfa s) const override { return basliklar_[static_cast<std::size_t>(s)]; }
    void SekmeBasligiYaz(Sayfa s, const QString& b) override { basliklar_[static_cast<std::size_t>(s)] = b; }
    QLineEdit* araedit() override { return araedit_; }
    QAbstractButton* SpeedButton2() override { return nullptr; }
    QAbstractButton* SpeedButton1() override { return nullptr; }
    QComboBox* comdepartman() override { return nullptr; }
    TMesgulGostergesi* MesgulGostergesi(Gosterge) override { return nullptr; }
    void AraBas() override {}
    TKayanYazi* kayanyazi() override { return nullptr; }
    QLabel* GifResim1() override { return nullptr; }
    int AcilisAdet() const override { return 0; }
    void AnaBilgiAl() override {}
    void SepetYenile() override {
        if (islemler_.SepetYenile)
            islemler_.SepetYenile();
    }
    void StokSatiriEkle(int stokno) override { eklenenler.append(stokno); }
    void SepetSatiriDuzenle(int sirano) override { duzenlenenler.append(sirano); }
    void TumSiparisleriGoster(int) override {}
    CaprazIslemler& Islemler() override { return islemler_; }

    QList<int> eklenenler;
    QList<int> duzenlenenler;

private:
    TSonucBilgisi sbilgi_;
    TSQLConnection bagc_;
    MusteriTipiKurallari kurallar_;
    CaprazIslemler islemler_;
    std::array<TClientDataSet*, kAnaTabloSayisi> tablolar_{};
    std::array<QString, kSayfaSayisi> basliklar_{};
    Sayfa aktif_ = Sayfa::sstoklistesi;
    QLineEdit* araedit_;
    QVBoxLayout* yerlesim_;
};
