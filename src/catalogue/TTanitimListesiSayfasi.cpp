#include "TTanitimListesiSayfasi.h"

#include "AnaPencereArayuzu.h"
#include "ArkaPlandaCalistir.h"
#include "BaglantiKontrol.h"
#include "BaglantiMesaji.h"
#include "KatalogIzgarasi.h"
#include "KatalogKurallari.h"
#include "MesajSor.h"
#include "Sayfa.h"
#include "TClientDataSet.h"
#include "TGridView.h"
#include "TMesgulGostergesi.h"
#include "TSQLConnection.h"
#include "TServerMethods1Client.h"
#include "TSonucBilgisi.h"
#include "TStokSatiriIslemleri.h"
#include "TabloYardimcilari.h"

#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>

#include <memory>

namespace {
constexpr auto M = HucreTuru::Metin;
constexpr Qt::Alignment kSol = Qt::AlignLeft | Qt::AlignVCenter;
constexpr Qt::Alignment kOrta = Qt::AlignCenter;

const std::vector<SutunTanimi>& yeniSutunlari() {
    static const std::vector<SutunTanimi> s{
        {"cxGridDBColumn1", "OEM1", "Oem1", 2, false},
        {"cxGridDBColumn2", "OEM2", "Oem2", 2, false},
        {"cxGridDBColumn3", "OEM3", "Oem3", 2, false},
        {"cxGridDBColumn5", "BARKOD", "DEP Kod", 2, true},
        {"cxGridDBColumn9", "URETICIKODU", "OEM No", 2, true},
        {"cxGridDBColumn4", "ADI", "Açıklama", 3, true},
        {"cxGridDBColumn6", "OEM4", "Oem4", 2, false},
        {"cxGridDBColumn7", "STOK_STOKNO", "", 1, false, false},
        {"cxGridDBColumn8", "FINISHKOD", "Kod", 2, false},
        {"cxGridDBColumn10", "BARKOD_BARKODNO", "", 1, false, false},
        {"cxGridDBColumn11", "DIGERADI", "Diğer Adı", 3, false},
        {"cxGridDBColumn12", "DPKOD", "", 2, false, false},
        {"cxGridDBColumn13", "OEMNO", "Oem No", 2, false},
        {"cxGridDBColumn14", "BIRIM", "Birim", 1, true},
        {"cxGridDBColumn15", "MARKA", "Araç", 2, true},
        {"cxGridDBColumn16", "MODEL", "PK Adet", 2, true},
        {"cxGridDBColumn17", "ANAGRUP", "Ana Grup", 2, false},
        {"cxGridDBColumn18", "OZELKOD", "Özel Kod", 2, false},
        {"cxGridDBColumn19", "KALAN", "", 1, false, false},
        {"cxGridDBColumn20", "PKOD", "", 1, false, false},
        {"cxGridDBColumn21", "KDV", "", 1, false},
        {"cxGridDBColumn22", "ALINANSIPARIS", "", 1, false, false},
        {"cxGridDBColumn23", "VERILENSIPARIS", "", 1, false, false},
        {"cxGridDBColumn24", "FIYAT", "Liste Fiyatı2", 2, false},
        {"cxGridDBTableView5K", "K", "Kampanyalı", 1, true, true, HucreTuru::EvetHayir},
        {"cxGridDBTableView5LISTEFIYAT1", "LISTEFIYAT1", "Liste Fiyatı", 2, true},
        {"cxGridDBTableView5KAMPFIYAT", "KAMPFIYAT", "Kampanyalı Fiyatı", 2, true},
        {"cxGridDBTableView5INDIRIMYAZI", "INDIRIMYAZI", "İskonto", 2, true, true, M, false, kOrta},
        {"cxGridDBColumn27", "INDIRIM", "İndirim Oran", 1, false, false},
        {"cxGridDBColumn28", "NETFIYAT", "Net Fiyatı", 2, true},
        {"cxGridDBColumn29", "KDVDAHIL", "KDV Dahil Fiyat", 2, true},
    };
    return s;
}

const std::vector<SutunTanimi>& kampanyaliSutunlari() {
    static const std::vector<SutunTanimi> s{
        {"cxGridDBColumn25", "OEM1", "Oem1", 2, false, true, M, true},
        {"cxGridDBColumn26", "OEM2", "Oem2", 2, false, true, M, true},
        {"cxGridDBColumn30", "OEM3", "Oem3", 2, false, true, M, true},
        {"cxGridDBColumn32", "BARKOD", "DEP Kod", 2, true, true, M, true},
        {"cxGridDBColumn36", "URETICIKODU", "OEM No", 2, true, true, M, true},
        {"cxGridDBColumn31", "ADI", "Açıklama", 3, true, true, M, true},
        {"cxGridDBColumn33", "OEM4", "Oem4", 2, false, true, M, true},
        {"cxGridDBColumnSTOK_STOKNO", "STOK_STOKNO", "", 1, false, false, M, true},
        {"cxGridDBTableViewkampanyaliRESIM", "RESIM", "Resim", 1, true, true, HucreTuru::Resim},
        {"cxGridDBColumn35", "FINISHKOD", "Kod", 2, false, true, M, true},
        {"cxGridDBColumn37", "BARKOD_BARKODNO", "", 1, false, false, M, true},
        {"cxGridDBColumn38", "DIGERADI", "Diğer Adı", 3, false, true, M, true},
        {"cxGridDBColumn39", "DPKOD", "", 2, false, false, M, true},
        {"cxGridDBColumn40", "OEMNO", "OemKod", 2, false, true, M, true},
        {"cxGridDBColumn41", "BIRIM", "Birim", 1, true, true, M, true},
        {"cxGridDBColumn42", "MARKA", "Araç", 2, true, true, M, true, kSol},
        {"cxGridDBColumn43", "MODEL", "PK Adet", 2, true, true, M, true},
        {"cxGridDBColumn44", "ANAGRUP", "Ana Grup", 2, false, true, M, true},
        {"cxGridDBColumn45", "OZELKOD", "Özel Kod", 2, false, true, M, true},
        {"cxGridDBColumnKALAN", "KALAN", "", 1, false, false, M, true},
        {"cxGridDBColumn47", "PKOD", "", 1, false, false, M, true},
        {"cxGridDBColumn48", "KDV", "", 1, false, true, M, true},
        {"cxGridDBColumn49", "ALINANSIPARIS", "", 1, false, false, M, true},
        {"cxGridDBColumn50", "VERILENSIPARIS", "", 1, false, false, M, true},
        {"cxGridDBTableViewkampanyaliESKIFIYAT", "ESKIFIYAT", "Liste Fiyatı", 2, true, true, M, true},
        {"cxGridDBColumn51", "FIYAT", "Kampanyalı Fiyatı", 2, true, true, M, true},
        {"cxGridDBColumn52", "Y", "Yeni", 1, true, true, HucreTuru::EvetHayir},
        {"cxGridDBColumn53", "K", "Kampanyalı", 1, true, true, HucreTuru::EvetHayir},
        {"cxGridDBColumn54", "INDIRIM", "İndirim Oran", 1, false, false, M, true},
        {"cxGridDBTableViewkampanyaliINDIRIMYAZI", "INDIRIMYAZI", "İskonto", 2, true, true, M, true, kOrta},
        {"cxGridDBColumn55", "NETFIYAT", "Net Fiyatı", 2, true, true, M, true},
        {"cxGridDBColumn56", "KDVDAHIL", "KDV Dahil Fiyat", 2, true, true, M, true},
        {"cxGridDBColumn57", "DURUM", "Durum", 1, true, true, HucreTuru::Durum},
    };
    return s;
}

std::function<int()>& ekranGenisligi() {
    static std::function<int()> kaynak;
    return kaynak;
}
} // namespace

void TTanitimListesiSayfasi::EkranGenisligiKaynagiAyarla(std::function<int()> kaynak) {
    ekranGenisligi() = std::move(kaynak);
}

TTanitimListesiSayfasi::TTanitimListesiSayfasi(Tur tur, AnaPencereArayuzu& ana, QWidget* ebeveyn)
    : SekmeSayfasi(ebeveyn), tur_(tur), ana_(ana) {
    const bool yeni = tur_ == Tur::Yeniler;
    setObjectName(yeni ? QStringLiteral("yenilersayfasi") : QStringLiteral("kampanyalisayfasi"));
    auto* yerlesim = new QVBoxLayout(this);
    yerlesim->setContentsMargins(0, 0, 0, 0);
    izgara_ = new TGridView(this);
    izgara_->setObjectName(yeni ? QStringLiteral("cxGridDBTableView5") : QStringLiteral("cxGridDBTableViewkampanyali"));
    // The new-stock view starts white, the campaign view grey.
    if (yeni)
        KatalogIzgarasi::GorunumKur(izgara_, KatalogIzgarasi::cxStyle2(), KatalogIzgarasi::cxStyle1());
    else
        KatalogIzgarasi::GorunumKur(izgara_, KatalogIzgarasi::cxStyle1(), KatalogIzgarasi::cxStyle2());
    izgara_->setDataSet(&tablo());
    KatalogIzgarasi::SutunlariEkle(izgara_, yeni ? yeniSutunlari() : kampanyaliSutunlari());
    izgara_->setRowHeight(40);
    izgara_->addFooterSummary({TGridSummary::Kind::Count,
                               yeni ? QStringLiteral("cxGridDBColumn1") : QStringLiteral("cxGridDBColumn25"), {}, {}});
    yerlesim->addWidget(izgara_);
    connect(izgara_, &TGridView::recordDoubleClicked, this, &TTanitimListesiSayfasi::DblClick);
    connect(izgara_, &TGridView::gridResized, this, [this] {
        if (tur_ == Tur::Yeniler || izgara_->isEnabled())
            SutunAyarla();
    });
    TStokSatiriIslemleri::Al(ana_);
}

TClientDataSet& TTanitimListesiSayfasi::tablo() {
    return ana_.Tablo(tur_ == Tur::Yeniler ? AnaTablo::YENILER : AnaTablo::kampstok);
}

void TTanitimListesiSayfasi::MusteriTipineUyarla(const MusteriTipiKurallari& kurallar) {
    KatalogIzgarasi::MusteriKurallariniUygula(izgara_, izgara_->objectName(), kurallar);
}

void TTanitimListesiSayfasi::showEvent(QShowEvent* olay) {
    SekmeSayfasi::showEvent(olay);
    Yukle();
}

void TTanitimListesiSayfasi::Yukle() {
    if (yukleniyor_)
        return;
    yukleniyor_ = true;
    const bool yeni = tur_ == Tur::Yeniler;
    if (TMesgulGostergesi* g = ana_.MesgulGostergesi(yeni ? Gosterge::gifyeniler : Gosterge::gifkampanyali))
        g->Baslat();
    izgara_->setEnabled(false);
    izgara_->detach();
    izgara_->beginUpdate();

    std::shared_ptr<TSQLConnection> klon(ana_.bagc().Clone());
    const int carino = ana_.sbilgi().CARINO();
    const int satici = ana_.sbilgi().MusteriTipi();
    auto basarili = std::make_shared<bool>(false);
    TClientDataSet* t = &tablo();
    ArkaPlandaCalistir(
        this,
        [klon, carino, satici, yeni, t, basarili] {
            // YenilerGetir / KampanyalilarGetir
            if (!BaglantiKontrol(*klon, false))
                return;
            t->DisableControls();
            try {
                TServerMethods1Client vekil(*klon);
                t->SetData(std::move(yeni ? vekil.YenilerVer2Orvak(carino) : vekil.KampanyaliVer2Orvak(carino, satici)));
                AlanBicimle(*t);
                *basarili = true;
            } catch (...) {
                *basarili = false;
            }
            t->EnableControls();
            klon->Close();
        },
        [this, basarili] { yuklemeBitti(*basarili); });
}

void TTanitimListesiSayfasi::yuklemeBitti(bool basarili) {
    const bool yeni = tur_ == Tur::Yeniler;
    izgara_->attach();
    izgara_->endUpdate();
    izgara_->setEnabled(true);
    yukleniyor_ = false;
    if (TMesgulGostergesi* g = ana_.MesgulGostergesi(yeni ? Gosterge::gifyeniler : Gosterge::gifkampanyali))
        g->Durdur();
    if (basarili) {
        const QString sayi = QString::number(tablo().RecordCount());
        ana_.SekmeBasligiYaz(yeni ? Sayfa::syeniler : Sayfa::skampanyali,
                             sayi + (yeni ? QStringLiteral("=Yeni Stoklar") : QStringLiteral("=Kampanyalı")));
        SutunAyarla();
    } else {
        MesajSor(kBaglantiMesaji, TMsgDlgType::mtError, mbOKOnly, TMsgDlgBtn::mbOK);
    }
}

void TTanitimListesiSayfasi::SutunAyarla() {
    int ekran = 0;
    if (ekranGenisligi())
        ekran = ekranGenisligi()();
    else if (QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen())
        ekran = s->geometry().width();
    if (GenisYerlesim(ekran)) {
        izgara_->beginUpdate();
        izgara_->applyWeightedWidths(izgara_->width());
        izgara_->endUpdate();
    } else {
        izgara_->bestFit();
    }
}

void TTanitimListesiSayfasi::DblClick() {
    const int kayit = izgara_->focusedRecord();
    if (kayit < 0)
        return;
    TClientDataSet& t = tablo();
    TClientDataSet& sepet = ana_.Tablo(AnaTablo::sepet);
    const bool yeni = tur_ == Tur::Yeniler;
    const int alan = t.FieldIndex(QStringLiteral("STOK_STOKNO"));
    if (alan < 0)
        return;
    const int stokno = t.Data().AsInteger(kayit, alan);
    if (yeni) {
        if (!sepet.Active())
            ana_.SepetYenile();
        t.Locate(QStringLiteral("STOK_STOKNO"), stokno);
    } else {
        t.Locate(QStringLiteral("STOK_STOKNO"), stokno);
        if (!sepet.Active())
            ana_.SepetYenile();
    }
    if (sepet.Active() && sepet.RecordCount() > 0 && sepet.Locate(QStringLiteral("STOKNO"), stokno)) {
        ana_.SepetSatiriDuzenle(sepet.FieldByName(QStringLiteral("SIRANO")).AsInteger());
        return;
    }
    auto& islemler = TStokSatiriIslemleri::Al(ana_);
    if (yeni)
        islemler.YeniStokSatiriEkle(stokno);
    else
        islemler.KampanyaliStokSatiriEkle(stokno);
}
