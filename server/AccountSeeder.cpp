#include "AccountSeeder.h"
#include "DemoDatabase.h"
#include "DemoHesaplar.h"
#include "DemoRandom.h"
#include "DemoTransaction.h"
#include "SearchText.h"

#include <QDateTime>
#include <QStringList>

namespace {

struct Place {
    const char* sehir;
    const char* ilce;
    const char* vd;
    const char* alan; // telephone area code
    const char* semt;
};

const Place kPlaces[] = {
    {"İSTANBUL", "BAŞAKŞEHİR", "İKİTELLİ V.D.", "0212", "İkitelli OSB Oto Sanayi Sitesi"},
    {"İSTANBUL", "ÜMRANİYE", "ÜMRANİYE V.D.", "0216", "Dudullu Oto Sanayi Sitesi"},
    {"İSTANBUL", "BAYRAMPAŞA", "BAYRAMPAŞA V.D.", "0212", "Yıldırım Mah. Oto Yedek Parçacılar Çarşısı"},
    {"ANKARA", "YENİMAHALLE", "OSTİM V.D.", "0312", "Ostim OSB Oto Sanayi"},
    {"ANKARA", "ETİMESGUT", "ETİMESGUT V.D.", "0312", "Şaşmaz Oto Sanayi Sitesi"},
    {"İZMİR", "BORNOVA", "BORNOVA V.D.", "0232", "Işıkkent Oto Sanayi Sitesi"},
    {"İZMİR", "KARABAĞLAR", "KARABAĞLAR V.D.", "0232", "Yeşillik Cad. Oto Sanayi"},
    {"BURSA", "NİLÜFER", "NİLÜFER V.D.", "0224", "Beşevler Küçük Sanayi Sitesi"},
    {"KONYA", "KARATAY", "MEVLANA V.D.", "0332", "Büsan Oto Sanayi Sitesi"},
    {"ADANA", "SEYHAN", "5 OCAK V.D.", "0322", "Yeni Oto Sanayi Sitesi"},
    {"ANTALYA", "KEPEZ", "KEPEZ V.D.", "0242", "Sanayi Sitesi Oto Galericiler Bölgesi"},
    {"KAYSERİ", "KOCASİNAN", "KOCASİNAN V.D.", "0352", "Oto Sanayi Sitesi"},
    {"GAZİANTEP", "ŞEHİTKAMİL", "ŞEHİTKAMİL V.D.", "0342", "Oto Yedek Parçacılar Sitesi"},
    {"SAMSUN", "İLKADIM", "ZAFER V.D.", "0362", "Yeni Sanayi Sitesi"},
    {"ESKİŞEHİR", "ODUNPAZARI", "ESKİŞEHİR V.D.", "0222", "Organize Oto Sanayi"},
    {"TRABZON", "ORTAHİSAR", "KARADENİZ V.D.", "0462", "Değirmendere Oto Sanayi"},
};

const char* kSurnames[] = {"YILMAZ", "KAYA", "DEMİR", "ŞAHİN", "ÇELİK", "YILDIZ", "YILDIRIM", "ÖZTÜRK",
                           "AYDIN", "ÖZDEMİR", "ARSLAN", "DOĞAN", "KILIÇ", "ASLAN", "ÇETİN", "KARA",
                           "KOÇ", "KURT", "ÖZKAN", "ŞİMŞEK", "POLAT", "ÖZCAN", "KORKMAZ", "ÇAKIR"};
const char* kFirstNames[] = {"MEHMET", "AHMET", "MUSTAFA", "ALİ", "HÜSEYİN", "HASAN", "İBRAHİM", "İSMAİL",
                             "OSMAN", "YUSUF", "MURAT", "ÖMER", "RAMAZAN", "HALİL", "SÜLEYMAN", "EMRE",
                             "AYŞE", "FATMA", "EMİNE", "HATİCE", "ZEYNEP", "ELİF", "SERKAN", "BURAK"};
const char* kFirmWords[] = {"OTO YEDEK PARÇA", "OTOMOTİV", "OTO SANAYİ", "OTO PARÇA", "MOTORLU ARAÇLAR",
                            "OTOMOTİV YEDEK PARÇA", "OTO ELEKTRİK", "OTO SERVİS"};
const char* kFirmEnds[] = {"LTD. ŞTİ.", "TİC. LTD. ŞTİ.", "SAN. VE TİC. A.Ş.", "TİC.", "SAN. TİC. LTD. ŞTİ."};

QString mailPart(const QString& text)
{
    return SearchText::compact(text).toLower();
}

QString phone(DemoRandom& r, const char* area)
{
    return QStringLiteral("%1 %2 %3 %4").arg(QString::fromLatin1(area), r.digits(3), r.digits(2), r.digits(2));
}

QString gsm(DemoRandom& r)
{
    return QStringLiteral("05%1 %2 %3 %4").arg(r.range(30, 55)).arg(r.digits(3), r.digits(2), r.digits(2));
}

} // namespace

void AccountSeeder::seed(DemoDatabase& db, DemoRandom& rnd)
{
    using namespace demohesap;
    DemoTransaction tx(db);

    const QStringList repNames = {"KEMAL ERDOĞAN", "SELİN AKTAŞ", "VOLKAN TUNÇ", "DERYA BULUT", "OKAN GÜNEŞ"};
    for (int i = 0; i < repNames.size(); ++i) {
        const QString first = repNames[i].section(u' ', 0, 0);
        const QString last = repNames[i].section(u' ', 1, 1);
        db.exec(QStringLiteral("INSERT INTO satici(SATICINO,ADI,TELEFON,MAIL) VALUES(?,?,?,?)"),
                {i + 1, repNames[i], gsm(rnd),
                 QStringLiteral("%1.%2@telmiraotomotiv.com.tr").arg(mailPart(first), mailPart(last))});
    }

    const QString now = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
    for (int n = 0; n < kCariSayisi; ++n) {
        const int carino = kIlkCarino + n;
        const Place& p = kPlaces[n % int(std::size(kPlaces))];
        const QString surname = QString::fromUtf8(kSurnames[rnd.range(0, int(std::size(kSurnames)) - 1)]);
        const QString first = QString::fromUtf8(kFirstNames[rnd.range(0, int(std::size(kFirstNames)) - 1)]);
        const QString firm = QStringLiteral("%1 %2 %3")
                                 .arg(surname, QString::fromUtf8(kFirmWords[rnd.range(0, int(std::size(kFirmWords)) - 1)]),
                                      QString::fromUtf8(kFirmEnds[rnd.range(0, int(std::size(kFirmEnds)) - 1)]));
        const QString domain = mailPart(surname) + QStringLiteral("oto.com.tr");
        const QString adres1 = QStringLiteral("%1 %2. Blok No:%3").arg(QString::fromUtf8(p.semt)).arg(rnd.range(1, 40)).arg(rnd.range(1, 120));
        const QString adres2 = rnd.chance(0.5) ? QStringLiteral("Kat:%1").arg(rnd.range(1, 3)) : QString();
        const int rep = n % 5 + 1;
        const double ind1 = QList<double>{15, 20, 25, 30, 35}.at(rnd.range(0, 4));
        const double ind2 = QList<double>{0, 5, 10}.at(rnd.range(0, 2));
        const double ind3 = rnd.chance(0.25) ? 3.0 : 0.0;
        const QString carikod = QStringLiteral("120.%1.%2").arg(rnd.range(1, 9), 2, 10, QChar(u'0')).arg(carino);
        const QString sehir = QString::fromUtf8(p.sehir), ilce = QString::fromUtf8(p.ilce);
        db.exec(QStringLiteral("INSERT INTO cari(CARINO,CARIKOD,CARIADI,ADRES1,ADRES2,ILCE,SEHIR,ULKE,TEL1,TEL2,GSM,"
                               "FAX1,FAX2,EMAIL,VERGIDAIRESI,VERGINO,YETKILI,ANAGRUP,ALTGRUP,OZELKOD,KOD1,KOD2,KOD3,"
                               "KOD4,KOD5,SATICINO,IND1,IND2,IND3,IND4,KAMPIND,VADE,VADEKONTROLGUN,VADEKONTROLAY,ARAMA)"
                               " VALUES(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"),
                {carino, carikod, firm, adres1, adres2, ilce, sehir, QStringLiteral("TÜRKİYE"),
                 phone(rnd, p.alan), rnd.chance(0.5) ? phone(rnd, p.alan) : QString(), gsm(rnd),
                 phone(rnd, p.alan), QString(), QStringLiteral("info@") + domain, QString::fromUtf8(p.vd),
                 rnd.digits(10), first + u' ' + surname, QStringLiteral("BAYİ"),
                 n % 3 == 0 ? QStringLiteral("A GRUBU") : n % 3 == 1 ? QStringLiteral("B GRUBU") : QStringLiteral("C GRUBU"),
                 rnd.chance(0.3) ? QStringLiteral("KAMPANYA") : QStringLiteral("STANDART"),
                 sehir, QStringLiteral("BÖLGE %1").arg(rep), QString(), QString(), QString(), rep, ind1, ind2, ind3,
                 0.0, rnd.chance(0.5) ? 5.0 : 0.0, QList<int>{30, 45, 60, 90}.at(rnd.range(0, 3)),
                 QList<int>{0, 15, 30}.at(rnd.range(0, 2)), rnd.range(0, 2),
                 SearchText::fold(QStringList{carikod, firm, sehir, ilce, first, surname}.join(u' '))});
    }

    auto addUser = [&](const char* id, const char* name, const char* pass, int sirano, int carino, int tip, int aktif,
                       int version) {
        const int rep = (carino - kIlkCarino) % 5 + 1;
        db.exec(QStringLiteral("INSERT INTO kullanici(SIRANO,BILGISAYARID,ADI,SIFRE,MAIL,CARINO,SATICINO,MUSTERITIPI,"
                               "AKTIF,VERSION,KAYITTARIHI) VALUES(?,?,?,?,?,?,?,?,?,?,?)"),
                {sirano, QString::fromLatin1(id), QString::fromUtf8(name), QString::fromUtf8(pass),
                 QStringLiteral("%1@telmira-demo.com.tr").arg(QString::fromUtf8(name).toLower()), carino, rep, tip,
                 aktif, version, now});
    };
    for (const Hesap* h : kTumHesaplar)
        addUser(h->bilgisayarId, h->kullanici, h->sifre, h->sirano, h->carino, h->musteriTipi, h->aktif, h->version);
    // Every other account has a dealer user on a workstation of its own.
    for (int n = 0; n < kCariSayisi; ++n) {
        const int carino = kIlkCarino + n;
        const int sirano = 100 + n;
        const QByteArray id = QStringLiteral("WD-WCC%1").arg(rnd.digits(8)).toLatin1();
        const QByteArray name = QStringLiteral("BAYI%1").arg(carino).toLatin1();
        const QByteArray pass = QStringLiteral("%1").arg(rnd.digits(4)).toLatin1();
        addUser(id.constData(), name.constData(), pass.constData(), sirano, carino, n % 4 == 3 ? 4 : 3, 1, kIstemciSurumu);
    }

    const QStringList teslim = {"Acil Teslim", "Normal Teslim", "Depodan Teslim Alınacak"};
    for (int i = 0; i < teslim.size(); ++i)
        db.exec(QStringLiteral("INSERT INTO teslim(ID,ADI) VALUES(?,?)"), {i + 1, teslim[i]});
    const QStringList gonderim = {"Kargo ile Gönderim", "Ambar ile Gönderim", "Servis Aracı ile", "Gel Al"};
    for (int i = 0; i < gonderim.size(); ++i)
        db.exec(QStringLiteral("INSERT INTO gonderim(ID,ADI) VALUES(?,?)"), {i + 1, gonderim[i]});
    struct Firm {
        int gonderim;
        const char* adi;
        const char* uyari;
    };
    const Firm firms[] = {
        {1, "YURTİÇİ KARGO", "Kargo ücreti alıcıya aittir.\r\nSaat 16:00'dan sonraki siparişler ertesi gün çıkar."},
        {1, "ARAS KARGO", "Anlaşmalı kargo: 5 desiye kadar ücretsizdir."},
        {1, "MNG KARGO", ""},
        {1, "SÜRAT KARGO", "Sadece İstanbul içi teslimat."},
        {2, "ANADOLU AMBARI", "Ambar teslimleri Salı ve Cuma günleri yapılır."},
        {2, "ÖZ EGE NAKLİYAT", ""},
        {3, "FİRMA SERVİS ARACI", "Servis aracı her gün 10:00 ve 15:00'te çıkar."},
        {4, "MÜŞTERİ TESLİM ALACAK", "Depo çalışma saatleri: 08:30 - 18:00"},
    };
    int fno = 1;
    for (const Firm& f : firms)
        db.exec(QStringLiteral("INSERT INTO kargofirma(SIRANO,GONDERIMID,ADI,UYARI) VALUES(?,?,?,?)"),
                {fno++, f.gonderim, QString::fromUtf8(f.adi), QString::fromUtf8(f.uyari)});
    tx.commit();
}
