#include "TForm1.h"

#include "AnaPencereKancalari.h"
#include "ArkaPlandaCalistir.h"
#include "BaglantiKontrol.h"
#include "BuyukHarfDogrulayici.h"
#include "DurumSimgeleri.h"
#include "FormatFloat.h"
#include "IsIstasyonuKimligi.h"
#include "MesajSor.h"
#include "SekmeSayfasi.h"
#include "SurecBitir.h"
#include "TClientDataSet.h"
#include "TKayanYazi.h"
#include "TMesgulGostergesi.h"
#include "TSQLConnection.h"
#include "TServerMethods1Client.h"
#include "TSonucBilgisi.h"
#include "TUygulama.h"
#include "Tgirisform.h"
#include "UcNoktaAyarlari.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include <exception>

namespace {
// One step's own connection: a clone, closed and freed when the step ends.
struct AdimBaglantisi {
    explicit AdimBaglantisi(const TSQLConnection& sablon) : c(sablon.Clone()) {}
    ~AdimBaglantisi() { c->Close(); }
    std::unique_ptr<TSQLConnection> c;
};

QLabel* etiket(QWidget* ebeveyn, const char* ad, const QString& metin = {}) {
    auto* l = new QLabel(metin, ebeveyn);
    l->setObjectName(QString::fromLatin1(ad));
    return l;
}

QString sekmeSimgesi(Sayfa s) {
    static const char* const adlar[kSayfaSayisi] = {"stok", "sepet", "onceki", "ekstre", "yeni",
                                                    "kampanya", "duyuru", "bakiye", "sanalpos", "dosya"};
    return QStringLiteral(":/simgeler/sekme_%1.svg").arg(QString::fromLatin1(adlar[static_cast<int>(s)]));
}
} // namespace

TForm1::TForm1(QWidget* ebeveyn) : QMainWindow(ebeveyn) {
    setObjectName(QStringLiteral("Form1"));
    sbilgi_ = std::make_unique<TSonucBilgisi>();
    bagc_ = std::make_unique<TSQLConnection>();
    QFont f(QStringLiteral("Tahoma"));
    f.setPointSize(9);
    f.setBold(true);
    setFont(f);

    for (int i = 0; i < kAnaTabloSayisi; ++i) {
        tablolar_[static_cast<std::size_t>(i)] = new TClientDataSet(this);
        tablolar_[static_cast<std::size_t>(i)]->setObjectName(AnaTabloAdi(static_cast<AnaTablo>(i)));
    }

    auto* govde = new QWidget(this);
    govde->setObjectName(QStringLiteral("govde"));
    auto* dikey = new QVBoxLayout(govde);
    dikey->setContentsMargins(0, 0, 0, 0);
    dikey->setSpacing(0);
    dikey->addWidget(baslikPaneliKur());
    RxGIFAnimator2_ = etiket(govde, "RxGIFAnimator2");
    RxGIFAnimator2_->setAlignment(Qt::AlignCenter);
    RxGIFAnimator2_->setFixedHeight(0);
    dikey->addWidget(RxGIFAnimator2_);
    dikey->addWidget(aramaPaneliKur());
    dikey->addWidget(sayfalariKur(), 1);
    dikey->addWidget(durumPaneliKur());
    dikey->addWidget(altPaneliKur());
    setCentralWidget(govde);
    menuKur();
    resize(1280, 760);
}

TForm1::~TForm1() = default;

QWidget* TForm1::baslikPaneliKur() {
    Panel1_ = new QWidget(this);
    Panel1_->setObjectName(QStringLiteral("Panel1"));
    Panel1_->setAttribute(Qt::WA_StyledBackground);
    Panel1_->setFixedHeight(100);
    auto* yatay = new QHBoxLayout(Panel1_);
    yatay->setContentsMargins(14, 0, 10, 0);
    yatay->setSpacing(18);

    Image1_ = etiket(Panel1_, "Image1");
    Image1_->setPixmap(QIcon(QStringLiteral(":/gorseller/logo.svg")).pixmap(QSize(236, 72)));
    Image1_->setFixedSize(236, 72);
    yatay->addWidget(Image1_);

    auto* GridPanel1 = new QWidget(Panel1_);
    GridPanel1->setObjectName(QStringLiteral("GridPanel1"));
    auto* izgara = new QGridLayout(GridPanel1);
    izgara->setContentsMargins(16, 12, 0, 12);
    izgara->setHorizontalSpacing(6);
    izgara->setVerticalSpacing(4);
    const auto satir = [&](int no, const char* baslikAdi, const QString& baslik, const char* degerAdi) {
        QLabel* b = etiket(GridPanel1, baslikAdi, baslik);
        b->setProperty("rol", QStringLiteral("baslik"));
        QLabel* d = etiket(GridPanel1, degerAdi);
        d->setProperty("rol", QStringLiteral("deger"));
        d->setTextInteractionFlags(Qt::TextSelectableByMouse);
        izgara->addWidget(b, no, 0, Qt::AlignRight | Qt::AlignVCenter);
        izgara->addWidget(d, no, 1, Qt::AlignLeft | Qt::AlignVCenter);
        return d;
    };
    kullanicilbl_ = satir(0, "Label1", QStringLiteral("Kullanıcı: "), "kullanicilbl");
    cariadilbl_ = satir(1, "Label3", QStringLiteral("Firma: "), "cariadilbl");
    saticilbl_ = satir(2, "Label5", QStringLiteral("Temsilci: "), "saticilbl");
    izgara->setColumnStretch(1, 1);
    yatay->addWidget(GridPanel1, 1);

    GifResim1_ = etiket(Panel1_, "GifResim1");
    GifResim1_->setFixedSize(409, 100);
    GifResim1_->setPixmap(QIcon(QStringLiteral(":/gorseller/banner_varsayilan.svg")).pixmap(QSize(409, 100)));
    yatay->addWidget(GifResim1_);

    Button3_ = new QToolButton(Panel1_);
    Button3_->setObjectName(QStringLiteral("Button3"));
    Button3_->setIcon(QIcon(QStringLiteral(":/simgeler/menu.svg")));
    Button3_->setIconSize(QSize(48, 48));
    Button3_->setFixedSize(76, 64);
    Button3_->setPopupMode(QToolButton::MenuButtonPopup);
    Button3_->setToolTip(QStringLiteral("Menü"));
    Button3_->setCursor(Qt::PointingHandCursor);
    yatay->addWidget(Button3_);
    return Panel1_;
}

QWidget* TForm1::aramaPaneliKur() {
    auto* Panel2 = new QWidget(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setAttribute(Qt::WA_StyledBackground);
    Panel2->setFixedHeight(50);
    auto* yatay = new QHBoxLayout(Panel2);
    yatay->setContentsMargins(14, 6, 14, 6);
    yatay->setSpacing(6);

    QLabel* buyutec = etiket(Panel2, "Image2");
    buyutec->setPixmap(QIcon(QStringLiteral(":/simgeler/buyutec.svg")).pixmap(QSize(24, 24)));
    yatay->addWidget(buyutec);

    araedit_ = new QLineEdit(Panel2);
    araedit_->setObjectName(QStringLiteral("araedit"));
    araedit_->setValidator(new BuyukHarfDogrulayici(araedit_));
    araedit_->setPlaceholderText(QStringLiteral("Parça kodu, OEM numarası veya açıklama"));
    araedit_->setFixedWidth(420);
    araedit_->setFixedHeight(36);
    yatay->addWidget(araedit_);

    const auto dugme = [&](const char* ad, const char* simge, const QString& ipucu) {
        auto* b = new QToolButton(Panel2);
        b->setObjectName(QString::fromLatin1(ad));
        b->setIcon(QIcon(QStringLiteral(":/simgeler/%1.svg").arg(QString::fromLatin1(simge))));
        b->setIconSize(QSize(22, 22));
        b->setToolTip(ipucu);
        b->setFixedSize(40, 36);
        b->setCursor(Qt::PointingHandCursor);
        yatay->addWidget(b);
        return b;
    };
    SpeedButton2_ = dugme("SpeedButton2", "ara", QStringLiteral("Ara"));
    SpeedButton1_ = dugme("SpeedButton1", "temizle", QStringLiteral("Temizle"));

    QLabel* Label9 = etiket(Panel2, "Label9", QStringLiteral("Markalar"));
    Label9->hide();
    yatay->addWidget(Label9);
    comdepartman_ = new QComboBox(Panel2);
    comdepartman_->setObjectName(QStringLiteral("comdepartman"));
    comdepartman_->setMinimumWidth(180);
    comdepartman_->hide();
    yatay->addWidget(comdepartman_);

    yatay->addSpacing(10);
    musteritus_ = new QPushButton(QStringLiteral("Başka Cari Seç"), Panel2);
    musteritus_->setObjectName(QStringLiteral("musteritus"));
    musteritus_->setIcon(QIcon(QStringLiteral(":/simgeler/cari.svg")));
    musteritus_->setFixedHeight(36);
    musteritus_->setCursor(Qt::PointingHandCursor);
    musteritus_->hide();
    connect(musteritus_, &QPushButton::clicked, this, [this] {
        if (const auto& k = AnaPencereKancalari::Al().musteritusClick)
            k(*this);
    });
    yatay->addWidget(musteritus_);

    yatay->addSpacing(10);
    for (int i = 0; i < kGostergeSayisi; ++i) {
        auto* g = new TMesgulGostergesi(Panel2, 24);
        g->setObjectName(GostergeAdi(static_cast<Gosterge>(i)));
        gostergeler_[static_cast<std::size_t>(i)] = g;
        yatay->addWidget(g);
    }
    yatay->addStretch(1);
    return Panel2;
}

QWidget* TForm1::sayfalariKur() {
    sPageControl1_ = new QTabWidget(this);
    sPageControl1_->setObjectName(QStringLiteral("sPageControl1"));
    sPageControl1_->setIconSize(QSize(24, 24));
    sPageControl1_->setUsesScrollButtons(true);
    sPageControl1_->tabBar()->setElideMode(Qt::ElideNone);
    sPageControl1_->tabBar()->setExpanding(false);
    sPageControl1_->tabBar()->setDrawBase(true);
    const auto& kancalar = AnaPencereKancalari::Al();
    for (int i = 0; i < kSayfaSayisi; ++i) {
        const auto s = static_cast<Sayfa>(i);
        auto* sekme = new QWidget(sPageControl1_);
        sekme->setObjectName(SayfaAdi(s));
        auto* yerlesim = new QVBoxLayout(sekme);
        yerlesim->setContentsMargins(0, 0, 0, 0);
        yerlesim->setSpacing(0);
        sekmeler_[static_cast<std::size_t>(i)] = sekme;
        if (const auto& kurucu = kancalar.sayfalar[static_cast<std::size_t>(i)]) {
            SekmeSayfasi* sayfa = kurucu(*this, sekme);
            if (sayfa) {
                yerlesim->addWidget(sayfa);
                sayfalar_[static_cast<std::size_t>(i)] = sayfa;
            }
        }
        sPageControl1_->addTab(sekme, QIcon(sekmeSimgesi(s)), SayfaBasligi(s));
    }
    sPageControl1_->setCurrentIndex(0);
    return sPageControl1_;
}

QWidget* TForm1::durumPaneliKur() {
    auto* Panel3 = new QWidget(this);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    Panel3->setAttribute(Qt::WA_StyledBackground);
    Panel3->setFixedHeight(34);
    auto* yatay = new QHBoxLayout(Panel3);
    yatay->setContentsMargins(14, 0, 14, 0);
    yatay->setSpacing(2);
    yatay->addWidget(etiket(Panel3, "Label10", QStringLiteral("Durum Açıklaması:    ")));
    struct Cift {
        int durum;
        const char* baslik;
    };
    const Cift ciftler[] = {{1, " Stok mevcut  "}, {2, " Telefon Açınız  "}, {3, " Yolda  "},
                            {5, " Tedarik Sürecinde "}, {4, " Özel Sipariş  "}, {0, " Yok  "}};
    for (const Cift& c : ciftler) {
        QLabel* resim = etiket(Panel3, "");
        resim->setObjectName(QStringLiteral("durumresim%1").arg(c.durum));
        resim->setPixmap(DurumSimgesi(c.durum).pixmap(QSize(20, 20)));
        QLabel* yazi = etiket(Panel3, "", QString::fromUtf8(c.baslik));
        yazi->setObjectName(QStringLiteral("durumyazi%1").arg(c.durum));
        yatay->addWidget(resim);
        yatay->addWidget(yazi);
        yatay->addSpacing(8);
    }
    yatay->addStretch(1);
    return Panel3;
}

QWidget* TForm1::altPaneliKur() {
    Panel5_ = new QWidget(this);
    Panel5_->setObjectName(QStringLiteral("Panel5"));
    Panel5_->setAttribute(Qt::WA_StyledBackground);
    Panel5_->setFixedHeight(40);
    auto* dikey = new QVBoxLayout(Panel5_);
    dikey->setContentsMargins(0, 0, 0, 0);
    dikey->setSpacing(0);
    // The lower banner's place (filled by the banner step when the server sends one).
    auto* RealTimeMarquee1 = new QWidget(Panel5_);
    RealTimeMarquee1->setObjectName(QStringLiteral("RealTimeMarquee1"));
    RealTimeMarquee1->setFixedHeight(0);
    RealTimeMarquee1->hide();
    dikey->addWidget(RealTimeMarquee1, 1);
    QLabel* Image3 = etiket(Panel5_, "Image3");
    Image3->hide();
    kayanyazi_ = new TKayanYazi(Panel5_);
    kayanyazi_->setObjectName(QStringLiteral("kayanyazi"));
    kayanyazi_->setFixedHeight(40);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(24);
    f.setBold(false);
    kayanyazi_->setFont(f);
    dikey->addWidget(kayanyazi_);
    return Panel5_;
}

void TForm1::menuKur() {
    Genelmenu_ = new QMenu(this);
    Genelmenu_->setObjectName(QStringLiteral("Genelmenu"));
    Genelmenu_->setSeparatorsCollapsible(true);
    const auto oge = [&](const char* ad, const QString& baslik, const char* simge) {
        QAction* a = Genelmenu_->addAction(baslik);
        a->setObjectName(QString::fromLatin1(ad));
        if (simge)
            a->setIcon(QIcon(QStringLiteral(":/simgeler/%1.svg").arg(QString::fromLatin1(simge))));
        return a;
    };
    const auto ayrac = [&](const char* ad) { Genelmenu_->addSeparator()->setObjectName(QString::fromLatin1(ad)); };
    const auto kanca = [this](AnaPencereKancalari::Islem AnaPencereKancalari::*uye) {
        return [this, uye] {
            if (const auto& k = AnaPencereKancalari::Al().*uye)
                k(*this);
        };
    };
    connect(oge("M1", QStringLiteral("Mail Gönder"), "mail"), &QAction::triggered, this,
            kanca(&AnaPencereKancalari::M1Click));
    ayrac("N8");
    connect(oge("N4", QStringLiteral("Şifre Değiştirme İsteği"), "sifre"), &QAction::triggered, this,
            kanca(&AnaPencereKancalari::N4Click));
    ayrac("N3");
    WebSitesi1_ = oge("WebSitesi1", QString(), "web");
    connect(WebSitesi1_, &QAction::triggered, this, &TForm1::WebSitesi1Click);
    ayrac("N2");
    connect(oge("G1", QStringLiteral("Çıkış"), "cikis"), &QAction::triggered, this, &TForm1::G1Click);
    ayrac("N10");
    R1_ = oge("R1", QStringLiteral("Raporlar"), "rapor");
    R1_->setVisible(false);
    connect(R1_, &QAction::triggered, this, kanca(&AnaPencereKancalari::R1Click));
    Button3_->setMenu(Genelmenu_);
    connect(Button3_, &QToolButton::clicked, Button3_, &QToolButton::showMenu);
}

bool TForm1::FormCreate() {
    const UcNoktaAyarlari& uc = UcNoktaAyarlari::Al();
    _acilisadet = 0;
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Telmira Otomotiv B2B"));
    setWindowTitle(QStringLiteral("Telmira Otomotiv B2B Programı"));
    MesajYaziBoyutuAyarla(15);

    // A fresh record in place: pages may already hold a reference to it.
    sbilgi_->Kopyala(TSonucBilgisi());
    sbilgi_->SetBilgiSayarAdi(BilgisayarAdiAl());
    sbilgi_->SetBilgisayarKullanici(KullaniciAdiAl());
    sbilgi_->SetIcip(YerelIpAl());
    sbilgi_->SetBILGISAYARID(BilgisayarIdAl());

    bagc_->Params[QStringLiteral("HostName")] = uc.sunucuHost;
    bagc_->Params[QStringLiteral("Port")] = uc.sunucuPort;
    WebSitesi1_->setText(uc.webSitesiBasligi);

    if (!GirisYap())
        return false;
    BaslangicYukle();
    return true;
}

bool TForm1::GirisYap() {
    {
        Tgirisform giris(nullptr);
        giris.bagim = bagc_.get();
        giris.Bilgim = sbilgi_.get();
        if (giris.exec() != QDialog::Accepted) {
            SurecBitir();
            return false;
        }
    }
    if (sbilgi_->Disip().trimmed().isEmpty()) {
        SurecBitir();
        return false;
    }
    MusteriTipineUyarla(sbilgi_->MusteriTipi());
    return true;
}

void TForm1::MusteriTipineUyarla(int musteriTipi) {
    kurallar_ = MusteriTipiKurallari::Hesapla(musteriTipi);
    musteritus_->setVisible(kurallar_.musteritus);
    R1_->setVisible(kurallar_.R1);
    sPageControl1_->setTabVisible(static_cast<int>(Sayfa::skampanyali), kurallar_.skampanyali);
    for (SekmeSayfasi* s : sayfalar_)
        if (s)
            s->MusteriTipineUyarla(kurallar_);
}

void TForm1::AnaBilgiAl() {
    kullanicilbl_->setText(sbilgi_->ADI());
    cariadilbl_->setText(sbilgi_->CariAdi());
    saticilbl_->setText(sbilgi_->SaticiAdi() + QStringLiteral(" Telefonu: ") + sbilgi_->SaticiTelefon() +
                        QStringLiteral(" email: ") + sbilgi_->SaticiMail());
}

void TForm1::BaslangicYukle() {
    // Everything the worker needs from the window is taken here, on the interface thread.
    std::shared_ptr<TSQLConnection> sablon(bagc_->Clone());
    std::shared_ptr<TSonucBilgisi> bilgi(sbilgi_->Kopya());
    auto hata = std::make_shared<std::exception_ptr>();
    const AnaPencereKancalari kancalar = AnaPencereKancalari::Al();
    baslangicSuruyor_ = true;
    ArkaPlandaCalistir(
        this,
        [this, sablon, bilgi, hata, kancalar] {
            try {
                ArayuzdeCalistir([this] { AnaBilgiAl(); });
                KayanYaziAl(*sablon);
                for (const auto& adim : {kancalar.BannerREsimAl, kancalar.BannerREsimAlUst, kancalar.BannerREsimAlAlt}) {
                    try {
                        if (adim)
                            adim(*this);
                    } catch (const std::exception&) {
                        // A banner is decoration: its failure is swallowed and the next step runs.
                    }
                }
                AcilisReklamAdetAl(*sablon);
                BalonYaz(*sablon, *bilgi);
                DepartmanDoldur(*sablon);
            } catch (...) {
                *hata = std::current_exception();
            }
        },
        [this, hata] {
            baslangicSuruyor_ = false;
            if (*hata) {
                // An error ended the start-up task at its step: shown, the remaining steps and the
                // opening advertisements are skipped.
                try {
                    std::rethrow_exception(*hata);
                } catch (...) {
                    TUygulama::HataGoster();
                }
                return;
            }
            AcilisReklamGoster();
        });
}

void TForm1::KayanYaziAl(TSQLConnection& sablon) {
    AdimBaglantisi b(sablon);
    if (!BaglantiKontrol(*b.c, true))
        return;
    QString metin;
    {
        TServerMethods1Client proxy(*b.c);
        metin = proxy.KayanYaziGetir();
    }
    ArayuzdeCalistir([this, &metin] {
        kayanyazi_->Durdur();
        kayanyazi_->OgeleriTemizle();
        if (!metin.trimmed().isEmpty())
            kayanyazi_->OgeEkle(metin);
        kayanyazi_->Baslat();
    });
}

void TForm1::AcilisReklamAdetAl(TSQLConnection& sablon) {
    ArayuzdeCalistir([this] { _acilisadet = 0; });
    AdimBaglantisi b(sablon);
    if (!BaglantiKontrol(*b.c, true))
        return;
    try {
        TServerMethods1Client proxy(*b.c);
        const int adet = proxy.AcilisReklamAdet();
        ArayuzdeCalistir([this, adet] {
            _acilisadet = adet;
            SekmeBasligiYaz(Sayfa::sTabSheetduyuru, QString::number(adet) + QStringLiteral("=Duyurular"));
        });
    } catch (const std::exception&) {
        // The count is optional: a failed call leaves 0 and the caption as it was.
        ArayuzdeCalistir([this] { _acilisadet = 0; });
    }
}

void TForm1::BalonYaz(TSQLConnection& sablon, const TSonucBilgisi& bilgi) {
    AdimBaglantisi b(sablon);
    if (!BaglantiKontrol(*b.c, true))
        return;
    TServerMethods1Client proxy(*b.c);
    TDBXReader& okuyucu = proxy.BalonGetir(bilgi.Kopya());
    struct Balon {
        Sayfa sayfa;
        const char* baslik;
    };
    static const Balon balonlar[] = {{Sayfa::ssepet, "=Sepet"},
                                     {Sayfa::syeniler, "=Yeni Stoklar"},
                                     {Sayfa::skampanyali, "=Kampanyalı"},
                                     {Sayfa::sTabSheetduyuru, "=Duyurular"},
                                     {Sayfa::sTabbakiyeler, "=Bakiyeler"}};
    while (okuyucu.Next()) {
        QStringList basliklar;
        // Columns are read by position; a shorter row writes only the captions it has.
        const int sutun = qMin(okuyucu.ColumnCount(), 5);
        for (int i = 0; i < sutun; ++i) {
            const QVariant v = okuyucu.Value(i);
            const QString sayi = i == 4 ? FloatToStr(v.toDouble(), QLocale()) : QString::number(v.toLongLong());
            basliklar.append(sayi + QString::fromUtf8(balonlar[i].baslik));
        }
        ArayuzdeCalistir([this, &basliklar] {
            for (int i = 0; i < basliklar.size(); ++i)
                SekmeBasligiYaz(balonlar[i].sayfa, basliklar[i]);
        });
    }
}

void TForm1::DepartmanDoldur(TSQLConnection& sablon) {
    AdimBaglantisi b(sablon);
    if (!BaglantiKontrol(*b.c, true))
        return;
    QString metin;
    {
        TServerMethods1Client proxy(*b.c);
        metin = proxy.DepartmanlariVer();
    }
    const QStringList parcalar = metin.isEmpty() ? QStringList() : metin.split(u'|');
    ArayuzdeCalistir([this, &parcalar] {
        comdepartman_->clear();
        comdepartman_->addItems(parcalar);
        if (comdepartman_->count() > 0)
            comdepartman_->setCurrentIndex(0);
    });
}

void TForm1::AcilisReklamGoster() {
    if (_acilisadet == 0)
        return;
    if (const auto& k = AnaPencereKancalari::Al().AcilisReklamGoster)
        k(*this);
}

void TForm1::G1Click() { close(); }

void TForm1::WebSitesi1Click() {
    QDesktopServices::openUrl(QUrl(UcNoktaAyarlari::Al().webSitesi));
    araedit_->selectAll();
    araedit_->setFocus();
}

void TForm1::closeEvent(QCloseEvent* olay) {
    // Whatever the answer, the window itself never closes: "Evet" ends the process at once.
    olay->ignore();
    if (MesajSor(QStringLiteral("Programdan Çıkmak İstiyor musunuz ?"), TMsgDlgType::mtConfirmation, mbYesNo,
                 TMsgDlgBtn::mbYes) == TMsgDlgBtn::mbYes)
        SurecBitir();
}

TClientDataSet& TForm1::Tablo(AnaTablo t) { return *tablolar_[static_cast<std::size_t>(t)]; }

void TForm1::SayfaGoster(Sayfa s) {
    const int i = static_cast<int>(s);
    // A page hidden for this customer type is not brought up.
    if (!sPageControl1_->isTabVisible(i))
        return;
    sPageControl1_->setCurrentIndex(i);
}

Sayfa TForm1::AktifSayfa() const { return static_cast<Sayfa>(qMax(0, sPageControl1_->currentIndex())); }

QString TForm1::SekmeBasligi(Sayfa s) const { return sPageControl1_->tabText(static_cast<int>(s)); }

void TForm1::SekmeBasligiYaz(Sayfa s, const QString& baslik) {
    sPageControl1_->setTabText(static_cast<int>(s), baslik);
}

QAbstractButton* TForm1::SpeedButton2() { return SpeedButton2_; }
QAbstractButton* TForm1::SpeedButton1() { return SpeedButton1_; }

void TForm1::AraBas() { SpeedButton2_->click(); }

void TForm1::SepetYenile() {
    if (islemler_.SepetYenile)
        islemler_.SepetYenile();
}

void TForm1::StokSatiriEkle(int stokno) {
    if (islemler_.StokSatiriEkle)
        islemler_.StokSatiriEkle(stokno);
}

void TForm1::SepetSatiriDuzenle(int sirano) {
    if (islemler_.SepetSatiriDuzenle)
        islemler_.SepetSatiriDuzenle(sirano);
}

void TForm1::TumSiparisleriGoster(int stokno) {
    if (islemler_.TumSiparisleriGoster)
        islemler_.TumSiparisleriGoster(stokno);
}
