// Content of the demo server over HTTP: ticker, banners, reminder counts, announcements and
// opening advertisements, documents.
#include "DemoHesaplar.h"
#include "DemoServer.h"
#include "DemoTestClient.h"
#include "DsTable.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QtTest>

using namespace demohesap;

namespace {

QByteArray bytesOf(const QJsonValue& v)
{
    QByteArray out;
    for (const QJsonValue& b : v.toArray())
        out.append(char(b.toInt()));
    return out;
}

} // namespace

class TstDemoContent : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void ticker();
    void banners_data();
    void banners();
    void reminderCounts();
    void announcementsAndAdvertisements();
    void documentList();
    void documents_data();
    void documents();
    void unknownDocument();

private:
    DemoServer server_;
    std::unique_ptr<DemoTestClient> http_;
};

void TstDemoContent::initTestCase()
{
    DemoServerOptions o;
    o.catalogue = 400;
    QVERIFY2(server_.start(o), qPrintable(server_.errorString()));
    http_ = std::make_unique<DemoTestClient>(server_.port());
}

void TstDemoContent::ticker()
{
    const auto r = http_->call(QStringLiteral("KayanYaziGetir"));
    QCOMPARE(r.result().size(), 1);
    const QString text = r.result().at(0).toString();
    QVERIFY(text.contains(QStringLiteral("<b>")));
    QVERIFY(text.trimmed().size() > 20);
}

void TstDemoContent::banners_data()
{
    QTest::addColumn<QString>("method");
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<bool>("animated");
    QTest::newRow("header") << "BannerResimVer" << QByteArray("gif") << true;
    QTest::newRow("strip") << "BannerResimVer2" << QByteArray("gif") << false;
    QTest::newRow("bottom") << "BannerResimVer3" << QByteArray("bmp") << false;
}

void TstDemoContent::banners()
{
    QFETCH(QString, method);
    QFETCH(QByteArray, format);
    QFETCH(bool, animated);
    const QJsonArray r = http_->call(method).result();
    QCOMPARE(r.size(), 2);
    const QByteArray data = bytesOf(r.at(1));
    QCOMPARE(r.at(0).toInteger(), qint64(data.size()));
    QBuffer buf;
    buf.setData(data);
    QImageReader reader(&buf);
    QCOMPARE(reader.format(), format);
    if (animated)
        QVERIFY(reader.imageCount() > 1);
    const QImage first = reader.read();
    QVERIFY2(!first.isNull(), qPrintable(reader.errorString()));
    if (method == QStringLiteral("BannerResimVer")) {
        QCOMPARE(first.size(), QSize(409, 100));
        // The picture is not one flat colour: the encoder kept the drawing.
        QVERIFY(first.pixel(48, 50) != first.pixel(300, 90) || first.pixel(5, 5) != first.pixel(400, 95));
    }
}

void TstDemoContent::reminderCounts()
{
    const auto r = http_->call(QStringLiteral("BalonGetir"), {DemoTestClient::record(kBayi.carino, 3)});
    const DsTable t(r.result().at(0));
    QVERIFY(t.problem().isEmpty());
    QCOMPARE(t.rows(), 1);
    const QStringList n = t.names();
    QCOMPARE(n.size(), 5);
    QCOMPARE(t.type(n[0]), 6);
    QCOMPARE(t.type(n[3]), 6);
    QCOMPARE(t.type(n[4]), 7);
    QCOMPARE(t.value(n[0], 0).toInt(), int(server_.basketLines(kBayi.carino).size()));
    const DsTable yeni(http_->call(QStringLiteral("YenilerVer2Orvak"), {kBayi.carino}).result().at(0));
    QCOMPARE(t.value(n[1], 0).toInt(), yeni.rows());
    const DsTable kamp(http_->call(QStringLiteral("KampanyaliVer2Orvak"), {kBayi.carino, 3}).result().at(0));
    QCOMPARE(t.value(n[2], 0).toInt(), kamp.rows());
    QCOMPARE(t.value(n[3], 0).toInt(), http_->call(QStringLiteral("AcilisReklamAdet")).result().at(0).toInt());
    const DsTable bakiye(http_->call(QStringLiteral("BakiyelerVer2"), {kBayi.carino}).result().at(0));
    QCOMPARE(t.number(n[4], 0), double(bakiye.rows()));
    // Customer type 4 has no campaign lines to be reminded of.
    const DsTable four(http_->call(QStringLiteral("BalonGetir"), {DemoTestClient::record(kBayi4.carino, 4)}).result().at(0));
    QCOMPARE(four.value(n[2], 0).toInt(), 0);
}

void TstDemoContent::announcementsAndAdvertisements()
{
    const auto all = http_->call(QStringLiteral("AcilisEkranlarVer2"));
    const QJsonObject o = all.result().at(0).toObject();
    QCOMPARE(o.value("type").toString(), QStringLiteral("mobilstokunit.TAcilisEkranlariki"));
    QCOMPARE(o.value("id").toInt(), 1);
    const QJsonArray list = o.value("fields").toObject().value("FEkranlar").toArray();
    const int count = http_->call(QStringLiteral("AcilisReklamAdet")).result().at(0).toInt();
    QCOMPARE(int(list.size()), count);
    QVERIFY(count >= 3);
    QSet<QString> searches;
    for (int i = 0; i < list.size(); ++i) {
        const QJsonObject e = list.at(i).toObject();
        QCOMPARE(e.value("type").toString(), QStringLiteral("mobilstokunit.TAcilisEkran"));
        QCOMPARE(e.value("id").toInt(), i + 2);
        const QJsonObject f = e.value("fields").toObject();
        QCOMPARE(f.keys().size(), 4);
        searches.insert(f.value("FArama").toString());
        const QByteArray jpeg = QByteArray::fromHex(f.value("FResim").toString().toLatin1());
        QVERIFY(!QImage::fromData(jpeg, "JPEG").isNull());
        QCOMPARE(f.value("FResim").toString(), f.value("FResim").toString().toUpper());

        // The advertisement at the same position is the same entry.
        const QJsonObject ad = http_->call(QStringLiteral("AcilisREklamVer"), {i}).result().at(0).toObject();
        QCOMPARE(ad.value("type").toString(), QStringLiteral("mobilstokunit.TAcilisEkran"));
        QCOMPARE(ad.value("fields").toObject().value("FBaslik"), f.value("FBaslik"));
        QCOMPARE(ad.value("fields").toObject().value("FArama"), f.value("FArama"));
    }
    QVERIFY(searches.contains(QStringLiteral("#KAMPANYA#")));
    QVERIFY(searches.contains(QStringLiteral("#YENİ#")));
    QVERIFY(searches.contains(QString()));
    QCOMPARE(http_->call(QStringLiteral("AcilisREklamVer"), {count}).result(), QJsonArray{QJsonValue()});
    QCOMPARE(http_->call(QStringLiteral("AcilisREklamVer"), {-1}).result(), QJsonArray{QJsonValue()});
}

void TstDemoContent::documentList()
{
    const DsTable t(http_->call(QStringLiteral("DosyaListesi2")).result().at(0));
    QVERIFY(t.problem().isEmpty());
    for (const char* c : {"SIRANO", "ACIKLAMA", "DOSYAYOL", "TUR", "ILERI"})
        QVERIFY(t.names().contains(QLatin1String(c)));
    QCOMPARE(t.type("TUR"), 6);
    QCOMPARE(t.type("ILERI"), 6);
    QVERIFY(t.rows() >= 6);
}

void TstDemoContent::documents_data()
{
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QByteArray>("magic");
    QTest::newRow("xlsx") << ".xlsx" << QByteArray("PK\x03\x04");
    QTest::newRow("pdf") << ".pdf" << QByteArray("%PDF-");
    QTest::newRow("docx") << ".docx" << QByteArray("PK\x03\x04");
    QTest::newRow("jpg") << ".jpg" << QByteArray("\xFF\xD8\xFF");
    QTest::newRow("png") << ".png" << QByteArray("\x89PNG");
    QTest::newRow("csv") << ".csv" << QByteArray("\xEF\xBB\xBF");
}

void TstDemoContent::documents()
{
    QFETCH(QString, extension);
    QFETCH(QByteArray, magic);
    const DsTable t(http_->call(QStringLiteral("DosyaListesi2")).result().at(0));
    int sirano = 0;
    for (int i = 0; i < t.rows() && !sirano; ++i)
        if (t.text("DOSYAYOL", i).endsWith(extension))
            sirano = t.value("SIRANO", i).toInt();
    QVERIFY(sirano > 0);
    const QJsonArray r = http_->call(QStringLiteral("BelgeIndir"), {sirano}).result();
    QCOMPARE(r.size(), 3);
    const QByteArray data = bytesOf(r.at(2));
    QCOMPARE(r.at(0).toInteger(), qint64(data.size()));
    QVERIFY(r.at(1).toString().endsWith(extension));
    QVERIFY(data.startsWith(magic));
    if (extension == QStringLiteral(".xlsx"))
        QVERIFY(data.contains("xl/workbook.xml"));
    if (extension == QStringLiteral(".docx"))
        QVERIFY(data.contains("word/document.xml"));
    if (extension == QStringLiteral(".pdf"))
        QVERIFY(data.trimmed().endsWith("%%EOF"));
    if (extension == QStringLiteral(".jpg"))
        QVERIFY(!QImage::fromData(data, "JPEG").isNull());
    // The same document again is the same bytes.
    QCOMPARE(bytesOf(http_->call(QStringLiteral("BelgeIndir"), {sirano}).result().at(2)), data);
}

void TstDemoContent::unknownDocument()
{
    QCOMPARE(http_->call(QStringLiteral("BelgeIndir"), {777}).result(), (QJsonArray{0, QString(), QJsonArray()}));
}

QTEST_MAIN(TstDemoContent)
#include "tst_demo_content.moc"
