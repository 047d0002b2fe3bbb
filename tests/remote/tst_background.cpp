#include "ArkaPlandaCalistir.h"
#include "EHata.h"

#include <QCoreApplication>
#include <QThread>
#include <QtTest>

#include <atomic>

namespace {
QStringList gosterilenHatalar;

// Stands in for the application's general error display.
class HataGosterenUygulama : public QCoreApplication {
public:
    using QCoreApplication::QCoreApplication;
    bool notify(QObject* alici, QEvent* olay) override {
        try {
            return QCoreApplication::notify(alici, olay);
        } catch (const EHata& e) {
            gosterilenHatalar.append(e.text());
        }
        return false;
    }
};
} // namespace

class BackgroundTest : public QObject {
    Q_OBJECT
private slots:
    void workOnPoolContinuationOnInterfaceThread() {
        QObject baglam;
        std::atomic<QThread*> isIpligi{nullptr};
        QThread* devamIpligi = nullptr;
        bool bitti = false;
        ArkaPlandaCalistir(
            &baglam, [&] { isIpligi = QThread::currentThread(); },
            [&] {
                devamIpligi = QThread::currentThread();
                bitti = true;
            });
        QTRY_VERIFY(bitti);
        QVERIFY(isIpligi.load() != QThread::currentThread());
        QCOMPARE(devamIpligi, QThread::currentThread());
    }

    void continuationDroppedWhenContextIsGone() {
        auto* baglam = new QObject;
        std::atomic<bool> basla{false}, isBitti{false};
        bool devamCalisti = false;
        ArkaPlandaCalistir(
            baglam,
            [&] {
                while (!basla)
                    QThread::msleep(1);
                isBitti = true;
            },
            [&] { devamCalisti = true; });
        delete baglam; // the page closes while its load runs
        basla = true;
        QTRY_VERIFY(isBitti.load());
        QTest::qWait(50);
        QVERIFY(!devamCalisti);
    }

    // The page is restored by the continuation, then the error reaches the general display.
    void errorInWorkStillRunsContinuation() {
        QObject baglam;
        gosterilenHatalar.clear();
        bool devamCalisti = false;
        ArkaPlandaCalistir(
            &baglam, [] { throw EHata("Yükleme bozuldu"); }, [&] { devamCalisti = true; });
        QTRY_COMPARE(gosterilenHatalar, QStringList{"Yükleme bozuldu"});
        QVERIFY(devamCalisti);
    }

    void poolRunsSeveralLoadsAtOnce() {
        QVERIFY(ArkaPlanHavuzu().maxThreadCount() >= 4);
        QObject baglam;
        std::atomic<int> ayni{0}, enCok{0};
        int biten = 0;
        for (int i = 0; i < 4; ++i)
            ArkaPlandaCalistir(
                &baglam,
                [&] {
                    const int n = ++ayni;
                    int e = enCok;
                    while (n > e && !enCok.compare_exchange_weak(e, n)) {
                    }
                    QThread::msleep(100);
                    --ayni;
                },
                [&] { ++biten; });
        QTRY_COMPARE(biten, 4);
        QVERIFY(enCok.load() >= 2);
    }

    void synchronousHandOff() {
        QThread* calistigi = nullptr;
        std::atomic<bool> bitti{false};
        QThread* isci = QThread::create([&] {
            ArayuzdeCalistir([&] { calistigi = QThread::currentThread(); });
            bitti = true;
        });
        isci->start();
        QTRY_VERIFY(bitti.load());
        isci->wait();
        delete isci;
        QCOMPARE(calistigi, QThread::currentThread());
        // On the interface thread it runs at once.
        bool hemen = false;
        ArayuzdeCalistir([&] { hemen = true; });
        QVERIFY(hemen);
    }
};

int main(int argc, char** argv) {
    HataGosterenUygulama app(argc, argv);
    BackgroundTest t;
    return QTest::qExec(&t, argc, argv);
}
#include "tst_background.moc"
