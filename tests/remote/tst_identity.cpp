#include "IsIstasyonuKimligi.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

namespace {
// A fake system root with the files the identity functions read.
class SahteSistem {
public:
    SahteSistem() { QVERIFY(dizin_.isValid()); }
    void yaz(const QString& yol, const QByteArray& icerik) {
        const QString tam = dizin_.filePath(yol);
        QDir().mkpath(QFileInfo(tam).path());
        QFile f(tam);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(icerik);
    }
    void disk(const QString& ad, const QByteArray* seri) {
        QDir().mkpath(dizin_.filePath("sys/block/" + ad + "/device"));
        if (seri)
            yaz("sys/block/" + ad + "/device/serial", *seri);
    }
    KimlikKaynaklari kaynak() const {
        KimlikKaynaklari k;
        k.sistemKoku = dizin_.path();
        return k;
    }

private:
    QTemporaryDir dizin_;
};
} // namespace

class IdentityTest : public QObject {
    Q_OBJECT
private slots:
    void identityFromDiskSerial_data() {
        QTest::addColumn<QByteArray>("seri");
        QTest::addColumn<QString>("kimlik");
        QTest::newRow("padded to fixed width") << QByteArray("   WD-WCC4N 1234567 \n") << "WD-WCC4N1234567";
        QTest::newRow("lower case") << QByteArray("s3z9nb0k123456x") << "S3Z9NB0K123456X";
        QTest::newRow("control chars at ends") << QByteArray("\t\x01" "ABC 12\r\n") << "ABC12";
    }
    void identityFromDiskSerial() {
        QFETCH(QByteArray, seri);
        QFETCH(QString, kimlik);
        SahteSistem s;
        s.disk("sda", &seri);
        const QByteArray ikinci("OTHERDISK");
        s.disk("sdb", &ikinci);
        s.yaz("sys/class/net/eth0/address", "52:54:00:12:34:56\n");
        QCOMPARE(BilgisayarIdAl(s.kaynak()), kimlik);
    }

    void firstDiskIsChosenInNaturalOrder() {
        SahteSistem s;
        const QByteArray a("NVME0SERIAL"), b("NVME10SERIAL");
        s.disk("nvme10n1", &b);
        s.disk("nvme0n1", &a);
        QDir().mkpath(s.kaynak().sistemKoku + "/sys/block/loop0"); // no device link: not a disk
        QCOMPARE(DiskSeriAl(s.kaynak()), QString("NVME0SERIAL"));
    }

    void serialFromUdevWhenSysfsHasNone() {
        SahteSistem s;
        s.disk("sda", nullptr);
        s.yaz("sys/block/sda/dev", "8:0\n");
        s.yaz("run/udev/data/b8:0", "S:disk/by-id/ata-X\nE:ID_SERIAL_SHORT=zx81serial\nE:ID_BUS=ata\n");
        QCOMPARE(BilgisayarIdAl(s.kaynak()), QString("ZX81SERIAL"));
    }

    void noSerialFallsBackToFirstNonZeroAdapter() {
        SahteSistem s;
        s.disk("sda", nullptr);
        s.yaz("sys/class/net/lo/address", "00:00:00:00:00:00\n");
        s.yaz("sys/class/net/eth0/address", "52:54:0a:bc:de:f1\n");
        s.yaz("sys/class/net/eth1/address", "52:54:00:00:00:02\n");
        s.yaz("sys/class/net/tun0/address", "\n");
        QCOMPARE(MacAdresiAl(s.kaynak()), QString("52-54-0A-BC-DE-F1"));
        QCOMPARE(BilgisayarIdAl(s.kaynak()), QString("52-54-0A-BC-DE-F1"));
    }

    void noDisksNoAdaptersGivesEmptyIdentity() {
        SahteSistem s; // no sys/block at all: the disk query fails, which is swallowed
        QCOMPARE(BilgisayarIdAl(s.kaynak()), QString());
    }

    void aliasSerialsMapToSharedIdentity() {
        SahteSistem s;
        const QByteArray seri(" AB 12 ");
        s.disk("sda", &seri);
        KimlikKaynaklari k = s.kaynak();
        k.takmaSeriler = {"XX1", "AB12"};
        k.ortakKimlik = "MERKEZ-ORTAK";
        QCOMPARE(BilgisayarIdAl(k), QString("MERKEZ-ORTAK"));
        k.takmaSeriler = {"XX1"};
        QCOMPARE(BilgisayarIdAl(k), QString("AB12"));
    }

    void nameLengthRules_data() {
        QTest::addColumn<QString>("ad");
        QTest::addColumn<QString>("beklenen");
        QTest::newRow("short") << "ali" << "ali";
        QTest::newRow("15 chars fits") << "abcdefghijklmno" << "abcdefghijklmno";
        QTest::newRow("16 chars does not") << "abcdefghijklmnop" << "";
        QTest::newRow("Turkish") << "gülşen" << "gülşen";
    }
    void nameLengthRules() {
        QFETCH(QString, ad);
        QFETCH(QString, beklenen);
        KimlikKaynaklari k;
        k.kullaniciAdi = [&] { return std::optional<QString>(ad); };
        k.bilgisayarAdi = [&] { return std::optional<QString>(ad); };
        QCOMPARE(KullaniciAdiAl(k), beklenen);
        QCOMPARE(BilgisayarAdiAl(k), beklenen);
        k.kullaniciAdi = [] { return std::optional<QString>(); };
        QCOMPARE(KullaniciAdiAl(k), QString());
    }

    void localAddress() {
        KimlikKaynaklari k;
        k.agHazir = [] { return false; };
        QCOMPARE(YerelIpAl(k), QString("127.0.0.1"));
        k.agHazir = {};
        const QString ip = YerelIpAl(k);
        QCOMPARE(ip.split('.').size(), 4);
    }

    void sameMachineSameIdentity() { QCOMPARE(BilgisayarIdAl(), BilgisayarIdAl()); }
};

QTEST_GUILESS_MAIN(IdentityTest)
#include "tst_identity.moc"
