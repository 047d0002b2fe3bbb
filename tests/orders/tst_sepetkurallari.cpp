// The pure rules of the basket page: totals with their rounding order, the order summary, the
// checks of "Gönder" and the line rules.
#include "GonderKontrolu.h"
#include "SepetSatiri.h"
#include "SepetToplamlari.h"
#include "SiparisOzeti.h"
#include "TClientDataSet.h"

#include <QtTest>

namespace {
struct Satir {
    QVariant sec;
    double tutar, indirim, vergi;
};

// A basket table with the columns the totals read, in the server's types.
void doldur(TClientDataSet& t, const QList<Satir>& satirlar) {
    TTableData d;
    d.AddField(QStringLiteral("SEC"), TFieldType::Integer);
    d.AddField(QStringLiteral("SIRANO"), TFieldType::Integer);
    d.AddField(QStringLiteral("TUTAR"), TFieldType::Float);
    d.AddField(QStringLiteral("INDIRIMTUTAR"), TFieldType::Float);
    d.AddField(QStringLiteral("VERGITUTARI"), TFieldType::Float);
    int n = 1;
    for (const Satir& s : satirlar)
        d.AppendRecord({s.sec, n++, s.tutar, s.indirim, s.vergi});
    t.SetData(std::move(d));
}
} // namespace

Q_DECLARE_METATYPE(QList<Satir>)

class SepetKurallariTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey)); }

    void toplamlar_data() {
        QTest::addColumn<QList<Satir>>("satirlar");
        QTest::addColumn<double>("toplam");
        QTest::addColumn<double>("indirim");
        QTest::addColumn<double>("ara");
        QTest::addColumn<double>("vergi");
        QTest::addColumn<double>("genel");
        QTest::newRow("empty") << QList<Satir>{} << 0.0 << 0.0 << 0.0 << 0.0 << 0.0;
        QTest::newRow("none selected") << QList<Satir>{{0, 10, 1, 2}, {0, 5, 0, 1}} << 0.0 << 0.0 << 0.0 << 0.0
                                       << 0.0;
        // Each tax is rounded to 0.13 before the sum: 0.26, not 0.25.
        QTest::newRow("tax rounded per line") << QList<Satir>{{1, 0, 0, 0.125}, {1, 0, 0, 0.125}} << 0.0 << 0.0
                                              << 0.0 << 0.26 << 0.26;
        // The running gross sum is rounded after each addition. The double 0.005 lies just above
        // the half (0.01), but 0.01 + 0.005 lies just below 0.015, so the sum stays 0.01.
        QTest::newRow("running sum rounded") << QList<Satir>{{1, 0.005, 0, 0}, {1, 0.005, 0, 0}} << 0.01 << 0.0
                                             << 0.01 << 0.0 << 0.01;
        QTest::newRow("only SEC 1 counts") << QList<Satir>{{1, 1000, 100, 180}, {2, 50, 0, 9}, {QVariant(), 7, 0, 1},
                                                          {0, 3, 0, 1}}
                                           << 1000.0 << 100.0 << 900.0 << 180.0 << 1080.0;
        QTest::newRow("discount above gross") << QList<Satir>{{1, 10, 12.5, 0}} << 10.0 << 12.5 << -2.5 << 0.0
                                              << -2.5;
    }
    void toplamlar() {
        QFETCH(QList<Satir>, satirlar);
        TClientDataSet t;
        doldur(t, satirlar);
        const SepetToplamlari s = SepetToplamlari::Hesapla(t);
        QTEST(s.toplam, "toplam");
        QTEST(s.indirim, "indirim");
        QTEST(s.araToplam, "ara");
        QTEST(s.vergi, "vergi");
        QTEST(s.genelToplam, "genel");
    }

    void toplamlarKapaliTablo() {
        TClientDataSet t;  // never loaded
        const SepetToplamlari s = SepetToplamlari::Hesapla(t);
        QCOMPARE(s.genelToplam, 0.0);
    }

    void toplamImleciOynatmaz() {
        TClientDataSet t;
        doldur(t, {{1, 1, 0, 0}, {1, 2, 0, 0}, {1, 3, 0, 0}});
        t.SetRecNo(1);
        SepetToplamlari::Hesapla(t);
        QCOMPARE(t.RecNo(), 1);
    }

    void yazim_data() {
        QTest::addColumn<double>("tutar");
        QTest::addColumn<QString>("metin");
        QTest::newRow("zero") << 0.0 << "0,00";
        QTest::newRow("thousands") << 1000.0 << "1.000,00";
        QTest::newRow("grand") << 1080.0 << "1.080,00";
        QTest::newRow("millions") << 1234567.5 << "1.234.567,50";
        QTest::newRow("below one") << 0.26 << "0,26";
        QTest::newRow("negative") << -2.5 << "-2,50";
    }
    void yazim() {
        QFETCH(double, tutar);
        QTEST(SepetToplamlari::Yaz(tutar), "metin");
    }

    void ozet() {
        SiparisOzeti o{QStringLiteral("BAYI"), QStringLiteral("DEMO OTO"), QStringLiteral("Normal Teslim"),
                       QStringLiteral("Kargo ile Gönderim"), QStringLiteral("1.080,00"), QStringLiteral("ARAS KARGO"),
                       QStringLiteral("ilk satır\nikinci satır")};
        const QString m = o.Metin();
        QCOMPARE(m, QStringLiteral("Kullanıcı: BAYI\r\nCari     : DEMO OTO\r\nTeslim   : Normal Teslim\r\n"
                                   "Kargo    : Kargo ile Gönderim\r\nTutar    : 1.080,00\r\n"
                                   "Kargo    : ARAS KARGO\r\nAçıklama : ilk satır\nikinci satır"));
        QVERIFY(!m.endsWith(QLatin1Char('\n')));
        // Every prefix is eleven characters and ends with ": ", so the values line up.
        const QStringList satirlar = m.split(QStringLiteral("\r\n"));
        QCOMPARE(satirlar.size(), 7);
        for (const QString& s : satirlar)
            QCOMPARE(s.mid(9, 2), QStringLiteral(": "));
        // A two-line message gives eight visual lines, the second starting at the left margin.
        const QStringList gorunen = QString(m).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).split('\n');
        QCOMPARE(gorunen.size(), 8);
        QCOMPARE(gorunen.last(), QStringLiteral("ikinci satır"));
    }

    void gonder_data() {
        QTest::addColumn<bool>("secim");
        QTest::addColumn<int>("teslim");
        QTest::addColumn<int>("kargoTuru");
        QTest::addColumn<int>("kargo");
        QTest::addColumn<QString>("mesaj");
        // The first failing check wins, in this order.
        QTest::newRow("nothing at all") << false << -1 << -1 << -1 << "Gönderilecek Parça Yok ";
        QTest::newRow("no selection, rest chosen") << false << 1 << 0 << 1 << "Gönderilecek Parça Yok ";
        QTest::newRow("no delivery") << true << -1 << -1 << -1 << "Lütfen Teslim Durumu Seçiniz !";
        QTest::newRow("no shipping option") << true << 0 << -1 << 1 << "Lütfen Kargo Türünü Seçiniz !";
        QTest::newRow("no firm") << true << 0 << 2 << -1 << "Lütfen Kargo  Seçiniz !";
        QTest::newRow("blank firm") << true << 0 << 2 << 0 << "Lütfen Kargo  Seçiniz !";
        QTest::newRow("all chosen") << true << 0 << 0 << 1 << "";
    }
    void gonder() {
        QFETCH(bool, secim);
        QFETCH(int, teslim);
        QFETCH(int, kargoTuru);
        QFETCH(int, kargo);
        GonderKontrolu k;
        k.secimVar = secim;
        k.teslimIndex = teslim;
        k.kargoTuruIndex = kargoTuru;
        k.kargoIndex = kargo;
        QTEST(GonderKontrolu::Mesaj(k.Sonuc()), "mesaj");
    }

    void satirKurallari() {
        QCOMPARE(SepetSatiri::YeniSecim(0), 1);
        QCOMPARE(SepetSatiri::YeniSecim(1), 0);
        QCOMPARE(SepetSatiri::YeniSecim(5), 0);
        QCOMPARE(SepetSatiri::YeniSecim(-1), 0);
        QCOMPARE(SepetSatiri::SilmeNotu(QStringLiteral("X1"), QStringLiteral("Filtre")), QStringLiteral("X1-Filtre"));
    }
};

QTEST_GUILESS_MAIN(SepetKurallariTest)
#include "tst_sepetkurallari.moc"
