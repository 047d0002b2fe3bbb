#include "Tgirisform.h"

#include "ArkaPlandaCalistir.h"
#include "BaglantiKontrol.h"
#include "BuyukHarfDogrulayici.h"
#include "CariSecimiAc.h"
#include "GuncellemeAc.h"
#include "HttpIstemci.h"
#include "IsIstasyonuKimligi.h"
#include "KayitIstegiAc.h"
#include "Klasorler.h"
#include "SurecBitir.h"
#include "TIniFile.h"
#include "TMesgulGostergesi.h"
#include "TSQLConnection.h"
#include "TServerMethods1Client.h"
#include "TSonucBilgisi.h"
#include "UcNoktaAyarlari.h"
#include "UzakHatalar.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSvgRenderer>
#include <QThread>

namespace {
const QString kBolum = QStringLiteral("kullanici");
const QString kIsim = QStringLiteral("isim");
const QString kSifre = QStringLiteral("sifre");
const QString kHatirla = QStringLiteral("hatırla");
const QString kHataliGiris = QStringLiteral("Kullanıcı Adı ve Şifre Hatalı Lütfen Tekrar Deneyiniz !");

bool ipv4mu(const QString& metin) {
    const QStringList parcalar = metin.split(u'.');
    if (parcalar.size() != 4)
        return false;
    for (const QString& p : parcalar) {
        if (p.isEmpty() || p.size() > 3)
            return false;
        for (QChar c : p)
            if (c < u'0' || c > u'9')
                return false;
        if (p.toInt() > 255)
            return false;
    }
    return true;
}
} // namespace

// What the record fetch hands to the decision.
struct Tgirisform::Getirilen {
    bool tamam = false;
    QString hata;
    TSonucBilgisi kayit;
};

Tgirisform::Tgirisform(QWidget* sahip) : QDialog(sahip) {
    setObjectName(QStringLiteral("girisform"));
    setWindowTitle(QStringLiteral("Giriş"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(368, 550);

    const auto etiket = [this](const char* ad, const QString& metin, const QRect& yer) {
        auto* l = new QLabel(metin, this);
        l->setObjectName(QString::fromLatin1(ad));
        l->setGeometry(yer);
        return l;
    };
    const auto kutu = [this](const char* ad, const QRect& yer) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(ad));
        e->setGeometry(yer);
        e->setValidator(new BuyukHarfDogrulayici(e));
        e->installEventFilter(this);
        return e;
    };
    Label1 = etiket("Label1", QStringLiteral(" Kullanıcı Adı:"), QRect(34, 214, 300, 20));
    adi = kutu("adi", QRect(34, 236, 300, 36));
    Label2 = etiket("Label2", QStringLiteral(" Şifre:"), QRect(34, 284, 300, 20));
    sifre = kutu("sifre", QRect(34, 306, 300, 36));
    sifre->setEchoMode(QLineEdit::Password);

    benihatirla = new QCheckBox(QStringLiteral("Beni hatırla"), this);
    benihatirla->setObjectName(QStringLiteral("benihatirla"));
    benihatirla->setGeometry(36, 352, 200, 24);
    benihatirla->setChecked(true);

    Button1 = new QPushButton(QStringLiteral("Giriş"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(34, 390, 190, 42);
    Button2 = new QPushButton(QStringLiteral("Vazgeç"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setGeometry(234, 390, 100, 42);
    for (QPushButton* b : {Button1, Button2}) {
        b->setAutoDefault(false);
        b->setDefault(false);
        b->setCursor(Qt::PointingHandCursor);
    }
    connect(Button1, &QPushButton::clicked, this, &Tgirisform::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &Tgirisform::Button2Click);

    RxGIFAnimator1 = new TMesgulGostergesi(this, 26);
    RxGIFAnimator1->setObjectName(QStringLiteral("RxGIFAnimator1"));
    RxGIFAnimator1->move(171, 442);

    RxLabel1 = etiket("RxLabel1",
                      QStringLiteral("Telmira Otomotiv Yedek Parça San. ve Tic. A.Ş.\n"
                                     "Organize Sanayi Bölgesi 12. Cadde No: 7  Nilüfer / BURSA\n"
                                     "Tel: 0 (224) 411 00 00   Faks: 0 (224) 411 00 01"),
                      QRect(10, 476, 348, 62));
    RxLabel1->setAlignment(Qt::AlignCenter);

    if (QScreen* ekran = QGuiApplication::primaryScreen())
        move(ekran->availableGeometry().center() - rect().center());

    // FormCreate
    idsi = BilgisayarIdAl();
    AyarOku();
    adi->setFocus();
}

Tgirisform::~Tgirisform() = default;

QString Tgirisform::AyarDosyasi() { return AyarKlasoru() + QStringLiteral("/ayar.ini"); }

void Tgirisform::paintEvent(QPaintEvent*) {
    QPainter p(this);
    static QSvgRenderer zemin(QStringLiteral(":/gorseller/giris_zemin.svg"));
    if (zemin.isValid())
        zemin.render(&p, QRectF(rect()));
    else
        p.fillRect(rect(), palette().window());
}

void Tgirisform::AyarOku() {
    const TIniFile ini(AyarDosyasi());
    if (!ini.Exists())
        return;
    benihatirla->setChecked(ini.ReadBool(kBolum, kHatirla, true));
    if (benihatirla->isChecked()) {
        adi->setText(ini.ReadString(kBolum, kIsim, QString()));
        sifre->setText(ini.ReadString(kBolum, kSifre, QString()));
    }
}

void Tgirisform::AyarYaz() {
    // Name and password are written either way; the tick only decides whether they are filled in
    // next time.
    TIniFile ini(AyarDosyasi());
    ini.WriteString(kBolum, kIsim, adi->text());
    ini.WriteString(kBolum, kSifre, sifre->text());
    ini.WriteBool(kBolum, kHatirla, benihatirla->isChecked());
    ini.UpdateFile();
}

bool Tgirisform::eventFilter(QObject* nesne, QEvent* olay) {
    if (olay->type() == QEvent::KeyPress) {
        const int tus = static_cast<QKeyEvent*>(olay)->key();
        if (tus == Qt::Key_Return || tus == Qt::Key_Enter) {
            if (nesne == adi)
                return adiKeyDown();
            if (nesne == sifre)
                return sifreKeyDown();
        }
    }
    return QDialog::eventFilter(nesne, olay);
}

bool Tgirisform::adiKeyDown() {
    if (adi->text().trimmed().isEmpty()) {
        MesajSor(QStringLiteral("Lütfen kullanıcı adını giriniz !"), TMsgDlgType::mtWarning, mbOKOnly,
                 TMsgDlgBtn::mbOK);
        adi->selectAll();
        adi->setFocus();
        return true;
    }
    sifre->selectAll();
    sifre->setFocus();
    return true;
}

bool Tgirisform::sifreKeyDown() {
    if (sifre->text().trimmed().isEmpty()) {
        MesajSor(QStringLiteral("Lütfen kullanıcı şifresini giriniz !"), TMsgDlgType::mtWarning, mbOKOnly,
                 TMsgDlgBtn::mbOK);
        sifre->selectAll();
        sifre->setFocus();
        return true;
    }
    // Enter while an attempt runs must not start a second one.
    if (Button1->isEnabled())
        Button1Click();
    return true;
}

void Tgirisform::Button1Click() {
    Button1->setText(QStringLiteral("Bağlanıyor..."));
    Button1->setEnabled(false);
    RxGIFAnimator1->Baslat();
    const QString servis = UcNoktaAyarlari::Al().ipServisi;
    auto adres = std::make_shared<QString>();
    ArkaPlandaCalistir(
        this, [servis, adres] { *adres = DisIpAl(servis); },
        [this, adres] {
            Button1->setText(QStringLiteral("Giriş!"));
            RxGIFAnimator1->Durdur();
            Devamet(*adres);
        });
}

void Tgirisform::Button2Click() { SurecBitir(); }

QString Tgirisform::DisIpAl(const QString& servis) {
    HttpIstemci http;
    HttpSinirlari sinir;
    sinir.baglantiMs = 15000;
    sinir.toplamMs = 15000 + 1500;
    sinir.sessizlikSn = 2;  // the 1.5 s read bound, to the whole second the transport counts in
    sinir.enBuyuk = 4096;
    for (int deneme = 1; deneme <= kDisIpDenemesi; ++deneme) {
        try {
            const HttpYanit y = http.Get(servis.toUtf8(), {}, sinir);
            const QString adres = QString::fromUtf8(y.govde.data(), static_cast<qsizetype>(y.govde.size())).trimmed();
            if (y.durum == 200 && ipv4mu(adres))
                return adres;
        } catch (const EHata&) {
        }
        if (deneme < kDisIpDenemesi)
            QThread::msleep(1000);
    }
    return {};
}

void Tgirisform::Devamet(const QString& adres) {
    if (adres.trimmed().isEmpty()) {
        MesajSor(QStringLiteral("Bağlantı Kurulamıyor Lütfen Tekrar Deneyiniz !"), TMsgDlgType::mtError, mbOKOnly,
                 TMsgDlgBtn::mbOK);
        Button1->setEnabled(true);
        return;
    }
    Bilgim->SetDisip(adres);
    bagim->Params[QStringLiteral("HostName")] = UcNoktaAyarlari::Al().sunucuHost;

    // The worker gets its own connection and fills a record of its own; the window's record is
    // written here, on the interface thread, by the decision.
    std::shared_ptr<TSQLConnection> klon(bagim->Clone());
    auto g = std::make_shared<Getirilen>();
    const QString kimlik = idsi;
    const QString servis = UcNoktaAyarlari::Al().ipServisi;
    ArkaPlandaCalistir(
        this, [klon, kimlik, servis, g] { BilgiGetir(*klon, kimlik, servis, *g); }, [this, g] { Karar(*g); });
}

void Tgirisform::BilgiGetir(TSQLConnection& baglanti, const QString& idsi, const QString& ipServisi, Getirilen& g) {
    g.tamam = false;
    if (!BaglantiKontrol(baglanti, false))
        return;
    try {
        TServerMethods1Client proxy(baglanti);
        const TSonucBilgisi* kayit = proxy.BuyukGetir(idsi);
        if (!kayit) {
            baglanti.Close();
            return;
        }
        g.kayit.Kopyala(*kayit);
    } catch (const EHata& h) {
        g.hata = h.text();
        baglanti.Close();
        return;
    } catch (const std::exception& h) {
        g.hata = QString::fromLocal8Bit(h.what());
        baglanti.Close();
        return;
    }
    baglanti.Close();
    g.kayit.SetBilgiSayarAdi(BilgisayarAdiAl());
    g.kayit.SetBilgisayarKullanici(KullaniciAdiAl());
    g.kayit.SetIcip(YerelIpAl());
    g.kayit.SetBILGISAYARID(BilgisayarIdAl());
    g.kayit.SetDisip(DisIpAl(ipServisi));
    g.tamam = true;
}

void Tgirisform::Karar(Getirilen& g) {
    RxGIFAnimator1->Durdur();
    if (!g.tamam) {
        if (!g.hata.isEmpty())
            MesajSor(g.hata, TMsgDlgType::mtCustom, mbOKOnly, TMsgDlgBtn::mbOK);
        GirisHatasi(QStringLiteral("Bağlantı Kurulamadı !"), TMsgDlgType::mtError);
        return;
    }
    Bilgim->Kopyala(g.kayit);
    if (Bilgim->Version() != 5)
        GuncellemeAc();
    if (!Bilgim->Varmi()) {
        KayitIstegiAc();
        SurecBitir();
        return;
    }
    if (adi->text() == Bilgim->ADI() && sifre->text() == Bilgim->SIFRE()) {
        AyarYaz();
        if (Bilgim->AKTIF() == 1) {
            if ((Bilgim->MusteriTipi() == 1 || Bilgim->MusteriTipi() == 2) && !CariSecimiAc()) {
                SurecBitir();
                return;
            }
            accept();
            return;
        }
        GirisHatasi(kHataliGiris, TMsgDlgType::mtWarning);
        return;
    }
    GirisHatasi(kHataliGiris, TMsgDlgType::mtWarning);
}

void Tgirisform::GirisHatasi(const QString& mesaj, TMsgDlgType tip) {
    MesajSor(mesaj, tip, mbOKOnly, TMsgDlgBtn::mbOK);
    Button1->setEnabled(true);
    adi->selectAll();
    adi->setFocus();
}

void Tgirisform::GuncellemeAc() { ::GuncellemeAc(this, *bagim, Bilgim->Version()); }

void Tgirisform::KayitIstegiAc() {
    ::KayitIstegiAc(this, QStringLiteral("Telmira Otomotiv B2B İstek Formu"),
                    UcNoktaAyarlari::Al().kayitAdresi + QStringLiteral("formmailgonder.aspx?carino=0&kullanici= &id=") +
                        idsi);
}

bool Tgirisform::CariSecimiAc() { return ::CariSecimiAc(this, *bagim, *Bilgim); }
