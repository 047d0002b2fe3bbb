#include "TSepetSayfasi.h"

#include "AnaPencereArayuzu.h"
#include "BaglantiKontrol.h"
#include "CaprazIslemler.h"
#include "DurumSimgeleri.h"
#include "GridExport.h"
#include "GonderKontrolu.h"
#include "MesajSor.h"
#include "MusteriTipiKurallari.h"
#include "SepetSatiri.h"
#include "SepetToplamlari.h"
#include "SiparisOzeti.h"
#include "TClientDataSet.h"
#include "TDBXReader.h"
#include "TGridColumn.h"
#include "TGridView.h"
#include "TONAYSIP.h"
#include "TRadioGroup.h"
#include "TSQLConnection.h"
#include "TServerMethods1Client.h"
#include "TabloYardimcilari.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

const QString kGorunum = QStringLiteral("cxGridDBTableView1");

struct SutunTanimi {
    const char* alan;
    const char* baslik;  // empty: the header shows the field's name
    bool gorunur;
    bool sabit;  // not offered in the column chooser
    int agirlik;
};

// The basket view's columns in their order. With the default columns the weights add up to 17.
const SutunTanimi kSutunlar[] = {
    {"SEC", "Seç", true, true, 1},
    {"VERILISTARIHI", "Sipariş Tarihi", true, false, 1},
    {"SIRANO", "", false, true, 0},
    {"SIPARISNO", "Sipariş No", false, false, 0},
    {"CARINO", "", false, true, 0},
    {"TARIH", "Tarih", false, false, 1},
    {"AKTAR", "", false, true, 0},
    {"STOKNO", "", false, true, 0},
    {"BARKOD", "DEP Kod", true, false, 2},
    {"URETICIKODU", "OEM No", true, false, 1},
    {"FINISHKOD", "Kod", false, false, 2},
    {"OEMNO", "OEMNo", false, false, 2},
    {"STOKADI", "Stok Açıklama", true, false, 3},
    {"MARKA", "Araç", true, false, 1},
    {"MIKTAR", "Miktar", true, false, 1},
    {"BIRIMFIYAT", "Birim Fiyat", true, false, 1},
    {"TUTAR", "Tutar", false, false, 1},
    {"INDIRIMYAZI", "İskonto", true, false, 2},
    {"INDIRIMORANI1", "İndirim Oranı %", false, true, 1},
    {"INDIRIMORANI2", "", false, true, 1},
    {"INDIRIMORANI3", "", false, true, 1},
    {"INDIRIMTUTAR", "İndirim Tutar", false, true, 1},
    {"NETBIRIMFIYAT", "Net Fiyat", true, false, 1},
    {"KDV", "", false, false, 1},
    {"VERGITUTARI", "Vergi Tutarı", false, false, 1},
    {"NETTUTAR", "Net Tutar", true, false, 1},
    {"KUR", "Kur", false, false, 1},
    {"KURTL", "", false, true, 1},
    {"VERENIDNO", "", false, true, 1},
    {"SAAT", "Saat", false, false, 1},
    {"TESLIMID", "", false, true, 1},
    {"KARGOID", "", false, true, 1},
    {"ACIKLAMA", "Açıklama", false, false, 1},
    {"IDNO", "", false, true, 1},
    {"VERENSIRANO", "", false, true, 1},
    {"VEREN", "Veren", true, false, 1},
    {"CARIKOD", "Cari Kod", false, true, 1},
    {"CARIADI", "Cari Adı", false, true, 1},
    {"OEM1", "", false, false, 1},
    {"OEM2", "", false, false, 1},
    {"OEM3", "", false, false, 1},
    {"OEM4", "", false, false, 1},
    {"STOK_STOKNO", "", false, true, 1},
    {"DIGERADI", "", false, false, 1},
    {"DPKOD", "", false, false, 1},
    {"MODEL", "Model", false, false, 1},
    {"ANAGRUP", "Ana Grup", false, false, 1},
    {"OZELKOD", "Özel Kod", false, false, 1},
    {"PKOD", "", false, false, 1},
    {"DURUM", "Durum", true, false, 1},
    {"KALAN", "Kalan", false, true, 1},
    {"INDIRIMORANI4", "", false, false, 0},
};

QLabel* etiket(QWidget* ebeveyn, const char* ad, const QString& metin = QString()) {
    auto* l = new QLabel(metin, ebeveyn);
    l->setObjectName(QString::fromLatin1(ad));
    return l;
}

QPushButton* dugme(QWidget* ebeveyn, const char* ad, const QString& metin) {
    auto* b = new QPushButton(metin, ebeveyn);
    b->setObjectName(QString::fromLatin1(ad));
    return b;
}

QGroupBox* grupKutusu(QWidget* ebeveyn, const char* ad, const QString& baslik) {
    auto* g = new QGroupBox(baslik, ebeveyn);
    g->setObjectName(QString::fromLatin1(ad));
    return g;
}

} // namespace

TSepetSayfasi::TSepetSayfasi(AnaPencereArayuzu& ana, QWidget* ebeveyn)
    : SekmeSayfasi(ebeveyn), ana_(ana), uyariKusagi_(std::make_shared<std::atomic<int>>(0)) {
    setObjectName(QStringLiteral("ssepetIcerik"));
    auto* dikey = new QVBoxLayout(this);
    dikey->setContentsMargins(0, 0, 0, 0);
    dikey->setSpacing(0);
    gridKur();
    dikey->addWidget(cxGrid2_, 1);
    dikey->addWidget(secimPaneliKur());
    dikey->addWidget(altPaneliKur());

    ana_.Islemler().SepetYenile = [this] { SepetYenile(); };
}

TSepetSayfasi::~TSepetSayfasi() {
    // The window outlives the page in normal runs; a test's fake window may not.
    uyariThreadleriniTopla(true);
}

TClientDataSet& TSepetSayfasi::sepet() const { return ana_.Tablo(AnaTablo::sepet); }
TClientDataSet& TSepetSayfasi::kargo() const { return ana_.Tablo(AnaTablo::kargo); }

void TSepetSayfasi::gridKur() {
    cxGrid2_ = new TGridView(this);
    cxGrid2_->setObjectName(QStringLiteral("cxGrid2"));
    cxGrid2_->setDataSet(&sepet());
    cxGrid2_->setIncrementalSearchEnabled(true);
    cxGrid2_->setFilterButtons(true);
    cxGrid2_->setColumnChooser(true);
    cxGrid2_->setGroupingAllowed(false);
    cxGrid2_->setFooterVisible(true);
    cxGrid2_->setHeaderHeight(40);
    cxGrid2_->setRowHeight(40);
    cxGrid2_->setAlternatingRowColors(true);
    cxGrid2_->setFocusPolicy(Qt::StrongFocus);
    for (const SutunTanimi& s : kSutunlar) {
        const QString alan = QString::fromLatin1(s.alan);
        TGridColumn* c = cxGrid2_->addColumn(kGorunum + alan, alan, QString::fromUtf8(s.baslik), s.agirlik);
        c->setVisible(s.gorunur);
        c->setOffered(!s.sabit);
        c->setHeaderAlignment(Qt::AlignCenter);
    }
    secSutunu_ = cxGrid2_->columnByField(QStringLiteral("SEC"));
    secSutunu_->setKind(TGridColumn::Kind::CheckBox);
    secSutunu_->setIncrementalSearch(false);
    secSutunu_->setAlignment(Qt::AlignCenter);
    // The grid is read-only: a toggle of the check box goes through the double-click handler.
    secSutunu_->setToggle([this](int) { Deitir1Click(); });
    cxGrid2_->columnByField(QStringLiteral("INDIRIMYAZI"))->setAlignment(Qt::AlignCenter);
    cxGrid2_->columnByField(QStringLiteral("STOKADI"))->setWrapText(true);
    TGridColumn* durum = cxGrid2_->columnByField(QStringLiteral("DURUM"));
    durum->setKind(TGridColumn::Kind::Icon);
    durum->setAlignment(Qt::AlignCenter);
    for (int d = 0; d <= 5; ++d)
        durum->addIcon(d, DurumSimgesi(d), DurumAciklamasi(d));
    for (const char* alan : {"MIKTAR", "BIRIMFIYAT", "NETBIRIMFIYAT", "NETTUTAR", "TUTAR", "INDIRIMTUTAR",
                             "VERGITUTARI"})
        cxGrid2_->columnByField(QString::fromLatin1(alan))->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    cxGrid2_->addFooterSummary({TGridSummary::Kind::Count, kGorunum + QStringLiteral("VERILISTARIHI"), {}, {}});
    cxGrid2_->addFooterSummary({TGridSummary::Kind::Sum, kGorunum + QStringLiteral("MIKTAR"), {}, {}});
    cxGrid2_->addFooterSummary({TGridSummary::Kind::Sum, kGorunum + QStringLiteral("NETTUTAR"), {}, {}});

    connect(cxGrid2_, &TGridView::recordDoubleClicked, this, [this](int) { cxGridDBTableView1DblClick(); });
    connect(cxGrid2_, &TGridView::gridResized, this, [this](const QSize&) {
        if (cxGrid2_->isEnabled())
            SepetSutunAyarla();
    });

    PopupMenu1_ = new QMenu(this);
    PopupMenu1_->setObjectName(QStringLiteral("PopupMenu1"));
    Deitir1_ = PopupMenu1_->addAction(QStringLiteral("Satır Değiştir"), this, [this] { Deitir1Click(); });
    Deitir1_->setObjectName(QStringLiteral("Deitir1"));
    PopupMenu1_->addSeparator()->setObjectName(QStringLiteral("Sil1"));
    SatrSil1_ = PopupMenu1_->addAction(QStringLiteral("Satır Sil"), this, [this] { SatrSil1Click(); });
    SatrSil1_->setObjectName(QStringLiteral("SatrSil1"));
    PopupMenu1_->addSeparator()->setObjectName(QStringLiteral("N1"));
    HepsiniSil1_ = PopupMenu1_->addAction(QStringLiteral("Hepsini Sil"), this, [this] { HepsiniSil1Click(); });
    HepsiniSil1_->setObjectName(QStringLiteral("HepsiniSil1"));
    cxGrid2_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(cxGrid2_, &QWidget::customContextMenuRequested, this, [this](const QPoint& p) {
        // A right click focuses the line under the mouse first, as a left click would.
        const QModelIndex i = cxGrid2_->indexAt(p);
        if (i.isValid() && cxGrid2_->recordIndex(i.row()) >= 0)
            cxGrid2_->setFocusedRecord(cxGrid2_->recordIndex(i.row()));
        PopupMenu1_->popup(cxGrid2_->viewport()->mapToGlobal(p));
    });
}

QWidget* TSepetSayfasi::secimPaneliKur() {
    auto* panelsec = new QWidget(this);
    panelsec->setObjectName(QStringLiteral("panelsec"));
    panelsec->setFixedHeight(41);
    auto* yatay = new QHBoxLayout(panelsec);
    yatay->setContentsMargins(0, 0, 0, 0);
    yatay->setSpacing(0);
    Button4_ = dugme(panelsec, "Button4", QStringLiteral("Hepsini Seç"));
    Button5_ = dugme(panelsec, "Button5", QStringLiteral("Seçimleri Kaldır"));
    for (QPushButton* b : {Button4_, Button5_}) {
        b->setFixedWidth(150);
        b->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
        yatay->addWidget(b);
    }
    connect(Button4_, &QPushButton::clicked, this, [this] { Button4Click(); });
    connect(Button5_, &QPushButton::clicked, this, [this] { Button5Click(); });
    lbluyarbakiye_ = etiket(panelsec, "lbluyarbakiye");
    lbluyarbakiye_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lbluyarbakiye_->setTextFormat(Qt::PlainText);
    QFont f(QStringLiteral("Tahoma"));
    f.setPixelSize(16);
    f.setBold(true);
    lbluyarbakiye_->setFont(f);
    // Its own style sheet: the application's style must not repaint the warning.
    lbluyarbakiye_->setStyleSheet(QStringLiteral(
        "QLabel#lbluyarbakiye { color: red; font-family: Tahoma; font-size: 16px; font-weight: bold;"
        " padding-left: 10px; }"));
    yatay->addWidget(lbluyarbakiye_, 1);
    return panelsec;
}

QWidget* TSepetSayfasi::altPaneliKur() {
    auto* Panel4 = new QWidget(this);
    Panel4->setObjectName(QStringLiteral("Panel4"));
    Panel4->setFixedHeight(131);
    auto* yatay = new QHBoxLayout(Panel4);
    yatay->setContentsMargins(2, 2, 2, 2);
    yatay->setSpacing(4);

    teslimbox_ = new TRadioGroup(QStringLiteral("Teslim Durumu"), Panel4);
    teslimbox_->setObjectName(QStringLiteral("teslimbox"));
    teslimbox_->setFixedWidth(210);
    boxkargo_ = new TRadioGroup(QStringLiteral("Gönderim Seçenekleri"), Panel4);
    boxkargo_->setObjectName(QStringLiteral("boxkargo"));
    boxkargo_->setFixedWidth(210);
    connect(boxkargo_, &TRadioGroup::Clicked, this, [this] { boxkargoClick(); });
    yatay->addWidget(teslimbox_);
    yatay->addWidget(boxkargo_);

    QGroupBox* kargoGrubu = grupKutusu(Panel4, "GroupBoxKargo", QStringLiteral("Kargo"));
    kargoGrubu->setFixedWidth(260);
    auto* kargoDikey = new QVBoxLayout(kargoGrubu);
    kargoDikey->setContentsMargins(6, 4, 6, 4);
    kargocombo_ = new QComboBox(kargoGrubu);
    kargocombo_->setObjectName(QStringLiteral("kargocombo"));
    kargocombo_->setEditable(false);
    connect(kargocombo_, &QComboBox::activated, this, [this](int) { kargocomboChange(); });
    uyarikargo_ = etiket(kargoGrubu, "uyarikargo");
    uyarikargo_->setWordWrap(true);
    uyarikargo_->setTextFormat(Qt::PlainText);
    uyarikargo_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    kargoDikey->addWidget(kargocombo_);
    kargoDikey->addWidget(uyarikargo_, 1);
    yatay->addWidget(kargoGrubu);

    QGroupBox* mesajGrubu = grupKutusu(Panel4, "GroupBoxMesaj", QStringLiteral("Mesaj"));
    auto* mesajYatay = new QHBoxLayout(mesajGrubu);
    mesajYatay->setContentsMargins(6, 4, 6, 4);
    aciklamagir_ = new QPlainTextEdit(mesajGrubu);
    aciklamagir_->setObjectName(QStringLiteral("aciklamagir"));
    QFont kalin = aciklamagir_->font();
    kalin.setBold(true);
    aciklamagir_->setFont(kalin);
    mesajYatay->addWidget(aciklamagir_, 1);

    auto* toplamPaneli = new QWidget(mesajGrubu);
    toplamPaneli->setObjectName(QStringLiteral("Panel6"));
    toplamPaneli->setFixedWidth(250);
    auto* izgara = new QGridLayout(toplamPaneli);
    izgara->setContentsMargins(4, 0, 0, 0);
    izgara->setVerticalSpacing(1);
    struct Cift {
        const char* baslikAdi;
        const char* baslik;
        const char* degerAdi;
        QLabel** deger;
        QLabel** baslikEtiketi;
    };
    QLabel* label6 = nullptr;
    QLabel* label7 = nullptr;
    const Cift ciftler[] = {
        {"Label2", "Toplam:", "aratoplaml", &aratoplaml_, nullptr},
        {"Label4", "İndirim Toplam:", "indiriml", &indiriml_, nullptr},
        {"Label8", "Ara Toplam:", "nettutarl", &nettutarl_, nullptr},
        {"Label6", "Vergi:", "vergil", &vergil_, &label6},
        {"Label7", "Genel Toplam:", "geneltoplaml", &geneltoplaml_, &label7},
    };
    int satir = 0;
    for (const Cift& c : ciftler) {
        QLabel* b = etiket(toplamPaneli, c.baslikAdi, QString::fromUtf8(c.baslik));
        b->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        QLabel* d = etiket(toplamPaneli, c.degerAdi, SepetToplamlari::Yaz(0));
        d->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        d->setTextInteractionFlags(Qt::TextSelectableByMouse);
        izgara->addWidget(b, satir, 0);
        izgara->addWidget(d, satir, 1);
        *c.deger = d;
        if (c.baslikEtiketi)
            *c.baslikEtiketi = b;
        ++satir;
    }
    izgara->setColumnStretch(1, 1);
    Label6_ = label6;
    for (QLabel* l : {label7, geneltoplaml_}) {
        QFont f = l->font();
        f.setBold(true);
        f.setPixelSize(15);
        l->setFont(f);
    }
    mesajYatay->addWidget(toplamPaneli);
    yatay->addWidget(mesajGrubu, 1);

    auto* dugmeSutunu = new QVBoxLayout;
    dugmeSutunu->setSpacing(4);
    Button1_ = dugme(Panel4, "Button1", QStringLiteral("Gönder"));
    Button2_ = dugme(Panel4, "Button2", QStringLiteral("Excel Kaydet"));
    for (QPushButton* b : {Button1_, Button2_}) {
        b->setFixedWidth(130);
        b->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
        dugmeSutunu->addWidget(b, 1);
    }
    connect(Button1_, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(Button2_, &QPushButton::clicked, this, [this] { Button2Click(); });
    yatay->addLayout(dugmeSutunu);
    return Panel4;
}

void TSepetSayfasi::MusteriTipineUyarla(const MusteriTipiKurallari& kurallar) {
    for (const SutunKurali& k : kurallar.Gorunum(kGorunum))
        if (TGridColumn* c = cxGrid2_->columnByField(k.alan)) {
            c->setVisible(k.gorunur);
            c->setOffered(k.gorunur);
        }
}

void TSepetSayfasi::showEvent(QShowEvent* olay) {
    SekmeSayfasi::showEvent(olay);
    // A window coming back from the task bar is no new showing of the page.
    if (!olay->spontaneous())
        ssepetShow();
}

void TSepetSayfasi::ssepetShow() {
    lbluyarbakiye_->clear();
    CariBakiyeUyariBak();
    SepetYenile();
    TeslimKargoDoldur();
}

// ---- Basket view and totals ----

void TSepetSayfasi::SepetYenile() {
    std::unique_ptr<TSQLConnection> klon = ana_.bagc().Clone();
    if (!BaglantiKontrol(*klon, true))
        return;
    {
        TServerMethods1Client vekil(*klon);
        sepet().SetData(std::move(vekil.SepetVerOrvak(ana_.sbilgi().CARINO())));
        AlanBicimle(sepet());
        klon->Close();
    }
    ana_.SekmeBasligiYaz(Sayfa::ssepet, QString::number(sepet().RecordCount()) + QStringLiteral("=Sepet"));
    SepetToplamHesapla();
}

void TSepetSayfasi::SepetToplamHesapla() {
    // The totals are read from the table's storage: the focused line does not move.
    const SepetToplamlari t = SepetToplamlari::Hesapla(sepet());
    aratoplaml_->setText(SepetToplamlari::Yaz(t.toplam));
    indiriml_->setText(SepetToplamlari::Yaz(t.indirim));
    vergil_->setText(SepetToplamlari::Yaz(t.vergi));
    // Once hidden the tax line stays hidden: nothing shows it again.
    if (t.vergi == 0) {
        vergil_->hide();
        Label6_->hide();
    }
    nettutarl_->setText(SepetToplamlari::Yaz(t.araToplam));
    geneltoplaml_->setText(SepetToplamlari::Yaz(t.genelToplam));
}

int TSepetSayfasi::ekranGenisligi() const {
    if (ekranGenisligi_ > 0)
        return ekranGenisligi_;
    const QScreen* s = screen();
    return s ? s->geometry().width() : 0;
}

void TSepetSayfasi::SepetSutunAyarla() {
    if (ekranGenisligi() > 1152) {
        // Visible weights that add up to 0 leave the widths as they are (see GridWidths).
        cxGrid2_->beginUpdate();
        cxGrid2_->applyWeightedWidths(cxGrid2_->width());
        cxGrid2_->endUpdate();
    } else {
        cxGrid2_->beginUpdate();
        cxGrid2_->bestFit();
        cxGrid2_->endUpdate();
    }
}

void TSepetSayfasi::uyariThreadleriniTopla(bool hepsi) {
    for (auto it = uyariIsleri_.begin(); it != uyariIsleri_.end();) {
        if (hepsi || it->bitti->load()) {
            if (it->is.joinable())
                it->is.join();
            it = uyariIsleri_.erase(it);
        } else {
            ++it;
        }
    }
}

void TSepetSayfasi::CariBakiyeUyariBak() {
    uyariThreadleriniTopla(false);
    const int kusak = ++*uyariKusagi_;
    // What the thread needs is taken here, on the interface thread: the customer number and a
    // clone of the main connection. The thread itself touches no widget.
    std::shared_ptr<TSQLConnection> klon(ana_.bagc().Clone());
    const int carino = ana_.sbilgi().CARINO();
    auto kusaklar = uyariKusagi_;
    auto bitti = std::make_shared<std::atomic<bool>>(false);
    TSepetSayfasi* sayfa = this;
    std::thread is([klon, carino, kusak, kusaklar, bitti, sayfa] {
        if (BaglantiKontrol(*klon, false)) {
            QString metin;
            try {
                TServerMethods1Client vekil(*klon);
                metin = vekil.CariVadeGunGecmismiBul(carino);
            } catch (const std::exception&) {
                metin.clear();
            }
            klon->Close();
            // Queued to the page: the page joins this thread before it dies, and a queued call to
            // a page that is gone is dropped with it.
            QMetaObject::invokeMethod(
                sayfa,
                [sayfa, metin, kusak, kusaklar] {
                    if (kusak != kusaklar->load())
                        return;  // a newer showing of the page asked again
                    sayfa->lbluyarbakiye_->setText(metin);
                    emit sayfa->UyariYazildi();
                },
                Qt::QueuedConnection);
        }
        bitti->store(true);
    });
    uyariIsleri_.push_back(UyariIsi{std::move(is), bitti});
}

void TSepetSayfasi::Button2Click() {
    // The whole grid through the save dialog; cancelling writes nothing.
    GridExport::ExcelKaydet(*cxGrid2_, ana_.Pencere());
}

// ---- Line editing and selection ----

bool TSepetSayfasi::OdaktakiSatiraGit() {
    const int kayit = cxGrid2_->focusedRecord();
    if (kayit < 0 || kayit >= sepet().RecordCount())
        return false;
    const TTableData& veri = sepet().Data();
    const int alan = veri.FieldIndex(u"SIRANO");
    if (alan < 0)
        return false;
    return sepet().Locate(QStringLiteral("SIRANO"), veri.Value(kayit, alan));
}

void TSepetSayfasi::Deitir1Click() {
    if (!OdaktakiSatiraGit())
        return;
    const int sirano = sepet().FieldByName(QStringLiteral("SIRANO")).AsInteger();
    if (cxGrid2_->focusedColumn() != secSutunu_) {
        ana_.SepetSatiriDuzenle(sirano);
        return;
    }
    TField sec = sepet().FieldByName(QStringLiteral("SEC"));
    const int yeni = SepetSatiri::YeniSecim(sec.AsInteger());
    sepet().Edit();
    sec.SetAsInteger(yeni);
    sepet().Post();
    SepetSecimKaydet(sirano, yeni);
    SepetToplamHesapla();
}

void TSepetSayfasi::HepsiniIsaretle(int secim) {
    TClientDataSet& t = sepet();
    if (KayitVarmi(t)) {
        TField sec = t.FieldByName(QStringLiteral("SEC"));
        TField sirano = t.FieldByName(QStringLiteral("SIRANO"));
        t.First();
        while (!t.Eof()) {
            t.Edit();
            sec.SetAsInteger(secim);
            t.Post();
            SepetSecimKaydet(sirano.AsInteger(), secim);
            t.Next();
        }
    }
    SepetToplamHesapla();
    if (QLineEdit* ara = ana_.araedit(); ara && ara->isEnabled()) {
        ara->selectAll();
        ara->setFocus();
    }
}

bool TSepetSayfasi::SepetSecimKaydet(int sirano, int secim) {
    std::unique_ptr<TSQLConnection> klon = ana_.bagc().Clone();
    if (!BaglantiKontrol(*klon, true))
        return false;
    try {
        TServerMethods1Client vekil(*klon);
        vekil.SepetSecimGuncelle(sirano, secim);
    } catch (const std::exception&) {
        // The server keeps the old flag; the next reload shows it again.
        return false;
    }
    klon->Close();
    return true;
}

void TSepetSayfasi::SatrSil1Click() {
    if (!OdaktakiSatiraGit())
        return;
    const int sirano = sepet().FieldByName(QStringLiteral("SIRANO")).AsInteger();
    const QString not_ = SepetSatiri::SilmeNotu(sepet().FieldByName(QStringLiteral("BARKOD")).AsString(),
                                                sepet().FieldByName(QStringLiteral("STOKADI")).AsString());
    if (MesajSor(QStringLiteral("Satırı silmek istiyor musunuz "), TMsgDlgType::mtConfirmation, mbYesNo,
                 TMsgDlgBtn::mbNo) != TMsgDlgBtn::mbYes)
        return;
    if (!BaglantiKontrol(ana_.bagc(), true))
        return;
    {
        TServerMethods1Client vekil(ana_.bagc());
        vekil.SepetSatirSil(ana_.sbilgi().Kopya(), sirano, not_);
    }
    ana_.bagc().Close();
    SepetYenile();
    MesajSor(QStringLiteral("Satır silindi !"), TMsgDlgType::mtInformation, mbOKOnly, TMsgDlgBtn::mbOK);
}

void TSepetSayfasi::HepsiniSil1Click() {
    if (!KayitVarmi(sepet()))
        return;
    if (MesajSor(QStringLiteral("Tüm Sepeti Silmek İstiyor musunuz "), TMsgDlgType::mtConfirmation, mbYesNo,
                 TMsgDlgBtn::mbNo) != TMsgDlgBtn::mbYes)
        return;
    auto kopya = ana_.sbilgi().Kopya();
    if (!BaglantiKontrol(ana_.bagc(), true))
        return;
    {
        TServerMethods1Client vekil(ana_.bagc());
        vekil.SepetHepsiniSil(std::move(kopya));
        MesajSor(QStringLiteral("Sepet Silindi !"), TMsgDlgType::mtInformation, mbOKOnly, TMsgDlgBtn::mbOK);
    }
    ana_.bagc().Close();
    SepetYenile();
}

// ---- Order submission ----

void TSepetSayfasi::TeslimKargoDoldur() {
    std::unique_ptr<TSQLConnection> klon = ana_.bagc().Clone();
    if (!BaglantiKontrol(*klon, true))
        return;
    {
        TServerMethods1Client vekil(*klon);
        TDBXReader& r = vekil.TeslimVer();
        teslimbox_->Clear();
        while (r.Next())
            teslimbox_->Add(r.Value(1).toString(), r.Value(0).toInt());
        // The second delivery state is the usual one; with a single state that one.
        if (teslimbox_->Count() > 0)
            teslimbox_->SetItemIndex(qMin(1, teslimbox_->Count() - 1));
    }
    {
        TServerMethods1Client vekil(*klon);
        TDBXReader& r = vekil.KargoVer();
        boxkargo_->Clear();
        while (r.Next())
            boxkargo_->Add(r.Value(1).toString(), r.Value(0).toInt());
    }
    klon->Close();
}

void TSepetSayfasi::boxkargoClick() {
    uyarikargo_->clear();
    const int i = boxkargo_->ItemIndex();
    if (i >= 0)
        KargolarDoldur(boxkargo_->Nesne(i).toInt());
}

void TSepetSayfasi::KargolarDoldur(int gn) {
    if (!BaglantiKontrol(ana_.bagc(), true))
        return;
    {
        TServerMethods1Client vekil(ana_.bagc());
        kargo().CopyFromReader(std::move(vekil.KargolarVer(gn).Veri()));
        ana_.bagc().Close();
    }
    kargocombo_->clear();
    kargocombo_->addItem(QStringLiteral(" "));
    if (KayitVarmi(kargo())) {
        const TTableData& veri = kargo().Data();
        const int adi = veri.FieldIndex(u"ADI");
        for (int r = 0; adi >= 0 && r < veri.RowCount(); ++r)
            kargocombo_->addItem(veri.AsString(r, adi));
    }
    kargocombo_->setCurrentIndex(-1);
    if (kargocombo_->count() == 2) {
        kargocombo_->setCurrentIndex(1);
        kargocomboChange();
    }
}

void TSepetSayfasi::kargocomboChange() {
    try {
        kargo().First();
        if (KayitVarmi(kargo()) && kargo().Locate(QStringLiteral("ADI"), kargocombo_->currentText()))
            uyarikargo_->setText(kargo().FieldByName(QStringLiteral("UYARI")).AsString());
        else
            uyarikargo_->clear();
    } catch (const std::exception&) {
        uyarikargo_->clear();
    }
}

void TSepetSayfasi::Button1Click() {
    GonderKontrolu kontrol;
    kontrol.secimVar = SecimVarmi(sepet());
    kontrol.teslimIndex = teslimbox_->ItemIndex();
    kontrol.kargoTuruIndex = boxkargo_->ItemIndex();
    kontrol.kargoIndex = kargocombo_->currentIndex();
    const GonderKontrolu::Engel engel = kontrol.Sonuc();
    if (engel != GonderKontrolu::Engel::Yok) {
        MesajSor(GonderKontrolu::Mesaj(engel), TMsgDlgType::mtWarning, mbOKOnly, TMsgDlgBtn::mbOK);
        if (engel == GonderKontrolu::Engel::KargoYok)
            kargocombo_->setFocus();
        return;
    }

    // With two firms of the same name the first is taken.
    kargo().First();
    kargo().Locate(QStringLiteral("ADI"), kargocombo_->currentText());
    const int kargoNo = kargo().FieldByName(QStringLiteral("SIRANO")).AsInteger();
    const int teslim = teslimbox_->Nesne(kontrol.teslimIndex).toInt();
    const int kargoTuru = boxkargo_->Nesne(kontrol.kargoTuruIndex).toInt();

    SiparisOzeti ozet;
    ozet.kullanici = ana_.sbilgi().ADI();
    ozet.cari = ana_.sbilgi().CariAdi();
    ozet.teslim = teslimbox_->Item(kontrol.teslimIndex);
    ozet.kargoTuru = boxkargo_->Item(kontrol.kargoTuruIndex);
    ozet.tutar = geneltoplaml_->text();
    ozet.kargoFirma = kargocombo_->currentText();
    ozet.aciklama = aciklamagir_->toPlainText();

    TONAYSIP ONAYSIP(ana_.Pencere());
    ONAYSIP.OzetYaz(ozet.Metin());
    ONAYSIP.Label3()->setText(lbluyarbakiye_->text());
    ONAYSIP.Label3()->setVisible(!lbluyarbakiye_->text().isEmpty());
    ONAYSIP.adjustSize();
    if (QWidget* p = ana_.Pencere())
        ONAYSIP.move(p->frameGeometry().center() - ONAYSIP.rect().center());
    onay_ = &ONAYSIP;
    const int sonuc = ONAYSIP.exec();
    onay_ = nullptr;
    if (sonuc != QDialog::Accepted)
        return;

    if (SiparisGonder(kargoNo, kargoTuru, teslim)) {
        MesajSor(QStringLiteral("Siparişiniz Gönderildi !"), TMsgDlgType::mtInformation, mbOKOnly,
                 TMsgDlgBtn::mbOK);
        SepetYenile();
        aciklamagir_->clear();
    } else {
        MesajSor(QStringLiteral("Sipariş Göndermede Hata"), TMsgDlgType::mtError, mbOKOnly, TMsgDlgBtn::mbOK);
    }
}

bool TSepetSayfasi::SiparisGonder(int kargoNo, int kargoTuru, int teslim) {
    auto kopya = ana_.sbilgi().Kopya();
    if (!BaglantiKontrol(ana_.bagc(), true))
        return false;
    // The memo's line breaks travel as the platform's memo text has them: CR LF.
    QString aciklama = aciklamagir_->toPlainText();
    aciklama.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    bool sonuc = false;
    {
        TServerMethods1Client vekil(ana_.bagc());
        sonuc = vekil.SiparisKaydet(std::move(kopya), ana_.sbilgi().CARINO(), teslim, kargoTuru, aciklama,
                                    ana_.sbilgi().Sirano(), kargoNo);
    }
    ana_.bagc().Close();
    return sonuc;
}
