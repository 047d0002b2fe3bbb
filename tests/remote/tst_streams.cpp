#include "TSonucAkimi.h"

#include <QtTest>

class StreamsTest : public QObject {
    Q_OBJECT
private slots:
    void readRule_data() {
        QTest::addColumn<int>("gercek");
        QTest::addColumn<qint64>("bildirilen");
        QTest::addColumn<bool>("kabul");
        QTest::addColumn<int>("okumalar");
        QTest::newRow("exactly 1024: two reads") << 1024 << qint64(1024) << true << 2;
        QTest::newRow("1023: one short read") << 1023 << qint64(1023) << true << 1;
        QTest::newRow("2500") << 2500 << qint64(2500) << true << 3;
        QTest::newRow("announced larger") << 1000 << qint64(1001) << false << 1;
        QTest::newRow("announced smaller") << 3000 << qint64(2999) << false << 3;
        QTest::newRow("announced zero reads nothing") << 10 << qint64(0) << false << 0;
        QTest::newRow("empty stream, size 5") << 0 << qint64(5) << false << 1;
    }
    void readRule() {
        QFETCH(int, gercek);
        QFETCH(qint64, bildirilen);
        QFETCH(bool, kabul);
        QFETCH(int, okumalar);
        QByteArray veri(gercek, Qt::Uninitialized);
        for (int i = 0; i < gercek; ++i)
            veri[i] = static_cast<char>(i * 7);
        TSonucAkimi akim(veri);
        const auto sonuc = TSonucAkimi::Oku(&akim, bildirilen);
        QCOMPARE(sonuc.has_value(), kabul);
        if (kabul)
            QCOMPARE(*sonuc, veri);
        QCOMPARE(akim.OkumaSayisi(), okumalar);
    }

    void noStreamNoBytes() { QVERIFY(!TSonucAkimi::Oku(nullptr, 10).has_value()); }
};

QTEST_GUILESS_MAIN(StreamsTest)
#include "tst_streams.moc"
