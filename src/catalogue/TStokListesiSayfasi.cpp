#include "TStokListesiSayfasi.h"

#include "AnaPencereArayuzu.h"
#include "ArkaPlandaCalistir.h"
#include "BaglantiKontrol.h"
#include "BaglantiMesaji.h"
#include "EHata.h"
#include "KatalogIzgarasi.h"
#include "KatalogKurallari.h"
#include "MesajSor.h"
#include "MusteriTipiKurallari.h"
#include "Sayfa.h"
#include "TClientDataSet.h"
#include "TGridView.h"
#include "TMesgulGostergesi.h"
#include "TSQLConnection.h"
#include "TServerMethods1Client.h"
#include "TSonucBilgisi.h"
#include "TStokSatiriIslemleri.h"
#include "TabloYardimcilari.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QVBoxLayout>

#include <memory>

namespace {
constexpr Qt::Alignment kSol = Qt::AlignLeft | Qt::AlignVCenter;
constexpr Qt::Alignment kOrta = Qt::AlignCenter;
constexpr auto M = HucreTuru::Metin;

const std::vector<SutunTanimi>& stokSutunlari() {
    static const std::vector<SutunTanimi> s{
        {"cxGrid1DBTableView1DURUM", "DURUM", "Durum", 1, true, true, HucreTuru::Durum},
        {"cxGrid1DBTableView1OEM1", "OEM1", "Oem1", 2, false, true, M, true, kSol},
        {"cxGrid1DBTableView1OEM2", "OEM2", "Oem2", 2, false, true, M, true},
        {"cxGrid1DBTableView1OEM3", "OEM3", "Oem3", 2, false, true, M, true},
        {"cxGrid1DBTableView1BARKOD", "BARKOD", "DEP Kod", 2, true, true, M, true},
        {"cxGrid1DBTableView1URETICIKODU", "URETICIKODU", "OEM No", 2, true, true, M, true},
        {"cxGrid1DBTableView1FINISHKOD", "FINISHKOD", "Kod", 2, false, true, M, true},
        {"cxGrid1DBTableView1ADI", "ADI", "Açıklama", 4, true, true, M, true},
        {"cxGrid1DBTableView1OEM4", "OEM4", "Oem4", 2, false, true, M, true},
        {"cxGrid1DBTableView1STOK_STOKNO", "STOK_STOKNO", "", 1, false, false},
        {"cxGrid1DBTableView1MARKA", "MARKA", "Araç", 2, true, true, M, true, kSol},
        {"cxGrid1DBTableView1RESIM", "RESIM", "Resim", 1, true, true, HucreTuru::Resim},
        {"cxGrid1DBTableView1BARKOD_BARKODNO", "BARKOD_BARKODNO", "", 1, false, false},
        {"cxGrid1DBTableView1DIGERADI", "DIGERADI", "Diğer Adı", 3, false, true, M, true},
        {"cxGrid1DBTableView1DPKOD", "DPKOD", "", 2, false, false},
        {"cxGrid1DBTableView1OEMNO", "OEMNO", "Oem No", 2, false, true, M, true},
        {"cxGrid1DBTableView1BIRIM", "BIRIM", "Birim", 1, false, true, M, true},
        {"cxGrid1DBTableView1MODEL", "MODEL", "PK Adet", 2, true, true, M, true, kOrta},
        {"cxGrid1DBTableView1ANAGRUP", "ANAGRUP", "Ana Grup", 2, false, true, M, true},
        {"cxGrid1DBTableView1OZELKOD", "OZELKOD", "Özel Kod", 2, false, true, M, true},
        {"cxGrid1DBTableView1KALAN", "KALAN", "", 1, false, false},
        {"cxGrid1DBTableView1PKOD", "PKOD", "", 1, false, false},
        {"cxGrid1DBTableView1KDV", "KDV", "", 1, false, true},
        {"cxGrid1DBTableView1ALINANSIPARIS", "ALINANSIPARIS", "", 1, false, false},
        {"cxGrid1DBTableView1VERILENSIPARIS", "VERILENSIPARIS", "", 1, false, false},
        {"cxGrid1DBTableView1LISTEFIYAT1", "LISTEFIYAT1", "Liste Fiyatı", 2, false, true},
        {"cxGrid1DBTableView1KAMPFIYAT", "KAMPFIYAT", "Kampanyalı Fiyat", 2, false, true},
        {"cxGrid1DBTableView1FIYAT", "FIYAT", "Liste Fiyatı", 2, false, true, M, true},
        {"cxGrid1DBTableView1Y", "Y", "Yeni", 1, true, true, HucreTuru::EvetHayir},
        {"cxGrid1DBTableView1K", "K", "Kampanyalı", 1, true, true, HucreTuru::EvetHayir},
        {"cxGrid1DBTableView1INDIRIMYAZI", "INDIRIMYAZI", "İskonto", 2, true, true, M, false, kOrta},
        {"cxGrid1DBTableView1NETFIYAT", "NETFIYAT", "Net Fiyatı", 2, false, true, M, true},
        {"cxGrid1DBTableView1KDVDAHIL", "KDVDAHIL", "KDV Dahil Fiyat", 3, true, true, M, true},
        {"cxGrid1DBTableView1FiyatBilgisi", "", "Fiyat Bilgisi", 2, true, true, HucreTuru::Ozel},
    };
    return s;
}

// The four price columns that the narrow layout folds into "Fiyat Bilgisi".
constexpr const char* kFiyatSutunlari[] = {"cxGrid1DBTableView1KDVDAHIL", "cxGrid1DBTableView1NETFIYAT",
                                           "cxGrid1DBTableView1KAMPFIYAT", "cxGrid1DBTableView1LISTEFIYAT1"};

double sayiOku(const TClientDataSet& t, int kayit, const char* alan) {
    const int i = t.FieldIndex(QString::fromLatin1(alan));
    if (i < 0 || kayit < 0 || kayit >= t.RecordCount())
        return 0.0;
    return t.Data().AsFloat(kayit, i);
}
} // namespace

TStokListesiSayfasi::TStokListesiSayfasi(AnaPencereArayuzu& ana, QWidget* ebeveyn) : SekmeSayfasi(ebeveyn), ana_(ana) {
    setObjectName(QStringLiteral("stoklistesisayfasi"));
    auto* yerlesim = new QVBoxLayout(this);
    yerlesim->setContentsMargins(0, 0, 0, 0);
    izgara_ = new TGridView(this);
    izgara_->setObjectName(QStringLiteral("cxGrid1DBTableView1"));
    KatalogIzgarasi::GorunumKur(izgara_, KatalogIzgarasi::cxStyle1(), KatalogIzgarasi::cxStyle2());
    izgara_->setDataSet(&stok());
    KatalogIzgarasi::SutunlariEkle(izgara_, stokSutunlari());
    TGridColumn* fiyat = izgara_->column(QStringLiteral("cxGrid1DBTableView1FiyatBilgisi"));
    fiyat->setHeaderAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    fiyat->setPainter([this](QPainter& p, const QRect& r, int kayit, const TGridCellState& d) {
        fiyatBilgisiCiz(p, r, kayit, d);
    });
    fiyat->setValueProvider([this](int kayit) -> QVariant {
        const TClientDataSet& t = stok();
        return FiyatBilgisiMetni(sayiOku(t, kayit, "LISTEFIYAT1"), sayiOku(t, kayit, "KAMPFIYAT"),
                                 sayiOku(t, kayit, "NETFIYAT"), sayiOku(t, kayit, "KDVDAHIL"));
    });
    fiyat->setSortable(false);
    fiyat->setFilterable(false);
    izgara_->addFooterSummary({TGridSummary::Kind::Count, QStringLiteral("cxGrid1DBTableView1OEM1"), {}, {}});
    izgara_->setDefaultSort(QStringLiteral("cxGrid1DBTableView1DURUM"), Qt::DescendingOrder);
    izgara_->setRowHeight(50);
    yerlesim->addWidget(izgara_);

    popstok_ = new QMenu(this);
    popstok_->setObjectName(QStringLiteral("popstok"));
    QAction* S2 = popstok_->addAction(QStringLiteral("Sepete Ekle"));
    S2->setObjectName(QStringLiteral("S2"));
    popstok_->addSeparator();
    QAction* B1 = popstok_->addAction(QStringLiteral("Sipariş Bakiyeleriniz"));
    B1->setObjectName(QStringLiteral("B1"));
    popstok_->addSeparator();
    QAction* S3 = popstok_->addAction(QStringLiteral("Siparişleri Göster"));
    S3->setObjectName(QStringLiteral("S3"));
    connect(S2, &QAction::triggered, this, &TStokListesiSayfasi::cxGrid1DBTableView1DblClick);
    connect(S3, &QAction::triggered, this, &TStokListesiSayfasi::S3Click);
    izgara_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(izgara_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { popstok_->popup(izgara_->viewport()->mapToGlobal(p)); });

    connect(izgara_, &TGridView::recordDoubleClicked, this, &TStokListesiSayfasi::cxGrid1DBTableView1DblClick);
    connect(izgara_, &TGridView::gridResized, this, &TStokListesiSayfasi::cxGrid1Resize);

    // The search bar belongs to the window; this page answers its keys and buttons.
    if (QLineEdit* a = ana_.araedit())
        a->installEventFilter(this);
    if (QAbstractButton* b = ana_.SpeedButton2())
        connect(b, &QAbstractButton::clicked, this, [this] {
            if (ana_.araedit()->isEnabled())
                AramaBaslat();
        });
    if (QAbstractButton* b = ana_.SpeedButton1())
        connect(b, &QAbstractButton::clicked, this, &TStokListesiSayfasi::SpeedButton1Click);
    if (QComboBox* c = ana_.comdepartman())
        connect(c, &QComboBox::activated, this, [this] { AramaBaslat(); });

    TStokSatiriIslemleri::Al(ana_);
}

TClientDataSet& TStokListesiSayfasi::stok() { return ana_.Tablo(AnaTablo::stok); }

void TStokListesiSayfasi::MusteriTipineUyarla(const MusteriTipiKurallari& kurallar) {
    KatalogIzgarasi::MusteriKurallariniUygula(izgara_, QStringLiteral("cxGrid1DBTableView1"), kurallar);
}

bool TStokListesiSayfasi::eventFilter(QObject* nesne, QEvent* olay) {
    if (nesne == ana_.araedit() && olay->type() == QEvent::KeyPress) {
        bool tuketildi = false;
        araeditKeyPress(static_cast<QKeyEvent*>(olay), tuketildi);
        if (tuketildi)
            return true;
    }
    return SekmeSayfasi::eventFilter(nesne, olay);
}

void TStokListesiSayfasi::araeditKeyPress(QKeyEvent* olay, bool& tuketildi) {
    if (olay->key() == Qt::Key_Return || olay->key() == Qt::Key_Enter) {
        tuketildi = true;
        AramaBaslat();
        return;
    }
    const QString metin = olay->text();
    if (metin.size() != 1)
        return;
    const QChar katli = AramaHarfiKatla(metin.at(0));
    if (katli == metin.at(0))
        return;
    // The folded letter goes in instead (the box's validator makes it upper case).
    tuketildi = true;
    ana_.araedit()->insert(QString(katli));
}

void TStokListesiSayfasi::AramaBaslat() {
    // One search at a time: two workers must never fill the table together.
    if (araniyor_)
        return;
    if (ana_.AktifSayfa() != Sayfa::sstoklistesi)
        ana_.SayfaGoster(Sayfa::sstoklistesi);
    QLineEdit* araedit = ana_.araedit();
    if (KenarBosluklariniKirp(araedit->text()).size() < kEnAzAramaHarfi) {
        MesajSor(QStringLiteral("Lütfen en az 3 harf giriniz !"), TMsgDlgType::mtWarning, mbOKOnly, TMsgDlgBtn::mbOK);
        return;
    }
    QString arama = araedit->text();
    QComboBox* dep = ana_.comdepartman();
    if (dep && dep->currentIndex() > 0)
        arama += QLatin1Char(' ') + dep->currentText();
    arama = KenarBosluklariniKirp(arama);

    araniyor_ = true;
    araedit->setEnabled(false);
    if (dep)
        dep->setEnabled(false);
    if (TMesgulGostergesi* g = ana_.MesgulGostergesi(Gosterge::gifstokara))
        g->Baslat();
    izgara_->detach();
    izgara_->beginUpdate();
    izgara_->clearFilter();

    // What the worker needs is taken here, on the interface thread.
    std::shared_ptr<TSQLConnection> klon(ana_.bagc().Clone());
    std::shared_ptr<TSonucBilgisi> bilgi(ana_.sbilgi().Kopya());
    auto basarili = std::make_shared<bool>(false);
    TClientDataSet* tablo = &stok();
    ArkaPlandaCalistir(
        this,
        [klon, bilgi, arama, tablo, basarili] {
            // StokListesiGetir
            if (!BaglantiKontrol(*klon, false))
                return;
            tablo->DisableControls();
            try {
                {
                    TServerMethods1Client vekil(*klon);
                    tablo->SetData(std::move(vekil.StokAraGetirOrvak(arama, bilgi->Kopya())));
                }
                if (!tablo->FindField(QStringLiteral("IND1")).IsValid())
                    throw EDatabaseError(QStringLiteral("Field 'IND1' not found"));
                AlanBicimle(*tablo);
                *basarili = true;
            } catch (...) {
                *basarili = false;
            }
            tablo->EnableControls();
            klon->Close();
        },
        [this, basarili] { aramaBitti(*basarili); });
}

void TStokListesiSayfasi::aramaBitti(bool basarili) {
    QLineEdit* araedit = ana_.araedit();
    araedit->setEnabled(true);
    if (QComboBox* dep = ana_.comdepartman())
        dep->setEnabled(true);
    izgara_->attach();
    izgara_->endUpdate();
    araniyor_ = false;
    araedit->selectAll();
    araedit->setFocus();
    if (TMesgulGostergesi* g = ana_.MesgulGostergesi(Gosterge::gifstokara))
        g->Durdur();
    if (basarili) {
        ana_.SekmeBasligiYaz(Sayfa::sstoklistesi, QString::number(stok().RecordCount()) + QStringLiteral("=Stok Listesi"));
        StokSutunAyarla();
    } else {
        if (stok().Active())
            stok().EmptyDataSet();
        MesajSor(kBaglantiMesaji, TMsgDlgType::mtError, mbOKOnly, TMsgDlgBtn::mbOK);
        ana_.SekmeBasligiYaz(Sayfa::sstoklistesi, SayfaBasligi(Sayfa::sstoklistesi));
    }
}

void TStokListesiSayfasi::SpeedButton1Click() {
    QLineEdit* araedit = ana_.araedit();
    if (!araedit->isEnabled() || araniyor_)
        return;
    if (stok().Active()) {
        stok().EmptyDataSet();
        ana_.SekmeBasligiYaz(Sayfa::sstoklistesi, SayfaBasligi(Sayfa::sstoklistesi));
    }
    if (ana_.AktifSayfa() != Sayfa::sstoklistesi)
        ana_.SayfaGoster(Sayfa::sstoklistesi);
    izgara_->clearFilter();
    araedit->clear();
    if (QComboBox* dep = ana_.comdepartman(); dep && dep->count() > 0)
        dep->setCurrentIndex(0);
    araedit->selectAll();
    araedit->setFocus();
}

void TStokListesiSayfasi::cxGrid1Resize() {
    if (ana_.araedit()->isEnabled() && !araniyor_)
        StokSutunAyarla();
}

void TStokListesiSayfasi::StokSutunAyarla() {
    izgara_->beginUpdate();
    const bool dar = !GenisYerlesim(ana_.Pencere()->width());
    for (const char* ad : kFiyatSutunlari)
        izgara_->column(QString::fromLatin1(ad))->setVisible(!dar);
    TGridColumn* fiyat = izgara_->column(QStringLiteral("cxGrid1DBTableView1FiyatBilgisi"));
    fiyat->setVisible(dar);
    izgara_->setRowHeight(dar ? 100 : 50);
    izgara_->applyWeightedWidths(izgara_->width());
    if (dar) {
        for (const char* ad : {"cxGrid1DBTableView1OEM1", "cxGrid1DBTableView1OEM2", "cxGrid1DBTableView1OEM3"})
            izgara_->column(QString::fromLatin1(ad))->setWidth(80);
        fiyat->setWidth(150);
        izgara_->setRowHeight(100);
    }
    izgara_->endUpdate();
}

void TStokListesiSayfasi::fiyatBilgisiCiz(QPainter& p, const QRect& r, int kayit, const TGridCellState& d) {
    const TClientDataSet& t = stok();
    QString metin = FiyatBilgisiMetni(sayiOku(t, kayit, "LISTEFIYAT1"), sayiOku(t, kayit, "KAMPFIYAT"),
                                      sayiOku(t, kayit, "NETFIYAT"), sayiOku(t, kayit, "KDVDAHIL"));
    metin.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (metin.endsWith(QLatin1Char('\n')))
        metin.chop(1);
    QColor zemin = d.selected ? izgara_->selectionColor()
                              : (d.viewRow % 2 ? KatalogIzgarasi::cxStyle2() : KatalogIzgarasi::cxStyle1());
    p.fillRect(r, zemin);
    p.setFont(d.font);
    p.setPen(d.text.isValid() ? d.text : QColor(Qt::black));
    p.drawText(r.adjusted(10, 0, -10, 0), Qt::AlignRight | Qt::AlignVCenter | Qt::TextWordWrap, metin);
}

void TStokListesiSayfasi::cxGrid1DBTableView1DblClick() {
    const int kayit = izgara_->focusedRecord();
    if (kayit < 0)
        return;
    TClientDataSet& t = stok();
    t.SetRecNo(kayit);
    const int stokno = t.FieldByName(QStringLiteral("STOK_STOKNO")).AsInteger();
    TClientDataSet& sepet = ana_.Tablo(AnaTablo::sepet);
    if (!sepet.Active())
        ana_.SepetYenile();
    if (sepet.Active() && sepet.RecordCount() > 0 && sepet.Locate(QStringLiteral("STOKNO"), stokno))
        ana_.SepetSatiriDuzenle(sepet.FieldByName(QStringLiteral("SIRANO")).AsInteger());
    else
        ana_.StokSatiriEkle(stokno);
}

void TStokListesiSayfasi::S3Click() {
    const int kayit = izgara_->focusedRecord();
    if (kayit < 0)
        return;
    TClientDataSet& t = stok();
    t.SetRecNo(kayit);
    ana_.TumSiparisleriGoster(t.FieldByName(QStringLiteral("STOK_STOKNO")).AsInteger());
}
