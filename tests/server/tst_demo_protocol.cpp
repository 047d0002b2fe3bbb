// Protocol plumbing of the demo server over real HTTP: sessions, routing, parameter checks,
// hostile requests, keep-alive, and the injected faults.
#include "DemoFaultParser.h"
#include "DemoHesaplar.h"
#include "DemoServer.h"
#include "DemoTestClient.h"

#include <QGuiApplication>
#include <QJsonDocument>
#include <QTcpSocket>
#include <QtTest>

class TstDemoProtocol : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void platformNameOpensSession();
    void closeSessionForgetsIt();
    void expiredSessionAnswers403();
    void unknownMethodIs404();
    void unquotedPostNameIsNotTheMethod();
    void wrongParameters_data();
    void wrongParameters();
    void hostileRequestsKeepServerAlive_data();
    void hostileRequestsKeepServerAlive();
    void oversizedBodyIsRefused();
    void keepAliveServesSeveralRequests();
    void chunkedBodyAndExpectContinue();

    void faultError();
    void faultDelay();
    void faultMalformed();
    void faultStreamSize();
    void faultDrop();
    void faultTimesAndWildcard();
    void faultParser_data();
    void faultParser();
    void receivedParametersAreRecorded();

private:
    DemoServer server_;
    std::unique_ptr<DemoTestClient> http_;
};

void TstDemoProtocol::initTestCase()
{
    DemoServerOptions o;
    o.catalogue = 300;
    QVERIFY2(server_.start(o), qPrintable(server_.errorString()));
    QVERIFY(server_.port() > 0);
    http_ = std::make_unique<DemoTestClient>(server_.port());
}

void TstDemoProtocol::cleanup()
{
    server_.clearFaults();
}

void TstDemoProtocol::platformNameOpensSession()
{
    const auto r = http_->get(QStringLiteral("/datasnap/rest/DSAdmin/GetPlatformName/"));
    QCOMPARE(r.status, 200);
    QVERIFY(r.result().at(0).isString());
    QVERIFY(r.header("Pragma").startsWith("dssession="));
    QVERIFY(r.header("Content-Type").startsWith("application/json"));
    // The session then carries calls.
    const QByteArray pragma = r.header("Pragma").split(',').first();
    const auto call = http_->call(QStringLiteral("DepartmanlariVer"), {}, pragma);
    QCOMPARE(call.status, 200);
}

void TstDemoProtocol::closeSessionForgetsIt()
{
    const QByteArray pragma =
        http_->get(QStringLiteral("/datasnap/rest/DSAdmin/GetPlatformName/")).header("Pragma").split(',').first();
    QCOMPARE(http_->get(QStringLiteral("/datasnap/rest/CloseSession/"), pragma).status, 200);
    const auto after = http_->call(QStringLiteral("DepartmanlariVer"), {}, pragma);
    QCOMPARE(after.status, 403);
    QVERIFY(after.json().contains(QLatin1String("SessionExpired")));
}

void TstDemoProtocol::expiredSessionAnswers403()
{
    const QByteArray pragma =
        http_->get(QStringLiteral("/datasnap/rest/DSAdmin/GetPlatformName/")).header("Pragma").split(',').first();
    server_.expireSessions();
    QCOMPARE(http_->call(QStringLiteral("KayanYaziGetir"), {}, pragma).status, 403);
    // Opening again gives a fresh, working session.
    const QByteArray fresh =
        http_->get(QStringLiteral("/datasnap/rest/DSAdmin/GetPlatformName/"), pragma).header("Pragma").split(',').first();
    QVERIFY(fresh != pragma);
    QCOMPARE(http_->call(QStringLiteral("DepartmanlariVer"), {}, fresh).status, 200);
}

void TstDemoProtocol::unknownMethodIs404()
{
    const auto r = http_->call(QStringLiteral("YokBoyleBirYontem"), {});
    QCOMPARE(r.status, 404);
    QVERIFY(!r.error().isEmpty());
}

void TstDemoProtocol::unquotedPostNameIsNotTheMethod()
{
    const auto r = http_->post(QStringLiteral("/datasnap/rest/TServerMethods1/DepartmanlariVer/"),
                               "{\"_parameters\":[]}");
    QCOMPARE(r.status, 404);
}

void TstDemoProtocol::wrongParameters_data()
{
    QTest::addColumn<QString>("method");
    QTest::addColumn<QByteArray>("body");
    QTest::newRow("too few") << "SepetVerOrvak" << QByteArray("{\"_parameters\":[]}");
    QTest::newRow("too many") << "SepetVerOrvak" << QByteArray("{\"_parameters\":[1,2]}");
    QTest::newRow("string for integer") << "SepetVerOrvak" << QByteArray("{\"_parameters\":[\"1003\"]}");
    QTest::newRow("fraction for integer") << "SepetVerOrvak" << QByteArray("{\"_parameters\":[1003.5]}");
    QTest::newRow("integer out of range") << "SepetVerOrvak" << QByteArray("{\"_parameters\":[4294967296]}");
    QTest::newRow("number for string") << "BuyukGetir" << QByteArray("{\"_parameters\":[12]}");
    QTest::newRow("string for object") << "SepetHepsiniSil" << QByteArray("{\"_parameters\":[\"x\"]}");
    QTest::newRow("record field of wrong kind")
        << "SepetHepsiniSil"
        << QByteArray("{\"_parameters\":[{\"type\":\"baglantiu.TSonucBilgisi\",\"id\":1,\"fields\":{\"FCARINO\":\"1\"}}]}");
    QTest::newRow("not json") << "SepetVerOrvak" << QByteArray("{\"_parameters\":[1");
    QTest::newRow("no _parameters") << "SepetVerOrvak" << QByteArray("{\"params\":[1]}");
    QTest::newRow("array body") << "SepetVerOrvak" << QByteArray("[1]");
}

void TstDemoProtocol::wrongParameters()
{
    QFETCH(QString, method);
    QFETCH(QByteArray, body);
    const auto r = http_->post(DemoTestClient::methodPath(method), body);
    QCOMPARE(r.status, 500);
    QVERIFY2(!r.error().isEmpty(), r.body.constData());
}

void TstDemoProtocol::hostileRequestsKeepServerAlive_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QByteArray>("status");
    QTest::newRow("garbage") << QByteArray("\x16\x03\x01\x02\x01 hello\r\n\r\n") << QByteArray("400");
    QTest::newRow("bad length") << QByteArray("POST /x HTTP/1.1\r\nContent-Length: -5\r\n\r\n") << QByteArray("400");
    QTest::newRow("header without colon") << QByteArray("GET /ip HTTP/1.1\r\nbroken\r\n\r\n") << QByteArray("400");
    QTest::newRow("http 2") << QByteArray("GET /ip HTTP/2.0\r\n\r\n") << QByteArray("505");
    QTest::newRow("huge header") << (QByteArray("GET /ip HTTP/1.1\r\nX: ") + QByteArray(70000, 'a') + "\r\n\r\n")
                                 << QByteArray("431");
    QTest::newRow("bad chunk") << QByteArray("POST /ip HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\nzz\r\n")
                               << QByteArray("400");
}

void TstDemoProtocol::hostileRequestsKeepServerAlive()
{
    QFETCH(QByteArray, request);
    QFETCH(QByteArray, status);
    const QByteArray reply = http_->raw(request);
    QVERIFY2(reply.startsWith("HTTP/1.1 " + status), reply.left(80).constData());
    QCOMPARE(http_->get(QStringLiteral("/ip")).status, 200);
}

void TstDemoProtocol::oversizedBodyIsRefused()
{
    const QByteArray reply = http_->raw(DemoTestClient::methodPath(QStringLiteral("SepetVerOrvak")).prepend("POST ").toUtf8()
                                        + " HTTP/1.1\r\nContent-Length: 104857600\r\n\r\n{");
    QVERIFY2(reply.startsWith("HTTP/1.1 413"), reply.left(80).constData());
    QCOMPARE(http_->call(QStringLiteral("DepartmanlariVer")).status, 200);
}

void TstDemoProtocol::keepAliveServesSeveralRequests()
{
    QTcpSocket s;
    s.connectToHost(QStringLiteral("127.0.0.1"), server_.port());
    QVERIFY(s.waitForConnected(3000));
    const QByteArray body = "{\"_parameters\":[]}";
    const QByteArray one = "POST " + DemoTestClient::methodPath(QStringLiteral("DepartmanlariVer")).toUtf8()
        + " HTTP/1.1\r\nHost: x\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" + body;
    // Two pipelined requests, then a third after the answers: all on one connection.
    s.write(one + one);
    QByteArray got;
    while (got.count("HTTP/1.1 200") < 2 && s.waitForReadyRead(3000))
        got += s.readAll();
    QCOMPARE(got.count("HTTP/1.1 200"), 2);
    s.write(one);
    got.clear();
    while (!got.contains("Tüm Departmanlar") && s.waitForReadyRead(3000))
        got += s.readAll();
    QVERIFY(got.startsWith("HTTP/1.1 200"));
    QCOMPARE(s.state(), QAbstractSocket::ConnectedState);
}

void TstDemoProtocol::chunkedBodyAndExpectContinue()
{
    const QByteArray path = DemoTestClient::methodPath(QStringLiteral("SepetVerOrvak")).toUtf8();
    const QByteArray chunked = "POST " + path
        + " HTTP/1.1\r\nTransfer-Encoding: chunked\r\nConnection: close\r\n\r\n6\r\n{\"_par\r\n"
          "e\r\nameters\":[1003\r\n2\r\n]}\r\n0\r\n\r\n";
    const QByteArray a = http_->raw(chunked);
    QVERIFY2(a.startsWith("HTTP/1.1 200"), a.left(120).constData());
    QVERIFY(a.contains("\"table\""));

    const QByteArray body = "{\"_parameters\":[1003]}";
    const QByteArray expect = "POST " + path + " HTTP/1.1\r\nExpect: 100-continue\r\nConnection: close\r\nContent-Length: "
        + QByteArray::number(body.size()) + "\r\n\r\n" + body;
    const QByteArray b = http_->raw(expect);
    QVERIFY2(b.startsWith("HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 200"), b.left(120).constData());
}

void TstDemoProtocol::faultError()
{
    DemoFault f;
    f.errorMessage = QStringLiteral("Sunucu bakımda, lütfen sonra deneyin");
    server_.setFault(QStringLiteral("KayanYaziGetir"), f);
    const auto r = http_->call(QStringLiteral("KayanYaziGetir"));
    QCOMPARE(r.status, 500);
    QCOMPARE(r.error(), f.errorMessage);
    QCOMPARE(http_->call(QStringLiteral("DepartmanlariVer")).status, 200); // other methods unaffected
}

void TstDemoProtocol::faultDelay()
{
    DemoFault f;
    f.delayMs = 600;
    server_.setFault(QStringLiteral("DepartmanlariVer"), f);
    QElapsedTimer t;
    t.start();
    // A delayed call does not hold up another connection.
    DemoTestClient other(server_.port());
    QCOMPARE(other.get(QStringLiteral("/ip")).status, 200);
    QVERIFY(t.elapsed() < 500);
    QCOMPARE(http_->call(QStringLiteral("DepartmanlariVer")).status, 200);
    QVERIFY(t.elapsed() >= 550);
}

void TstDemoProtocol::faultMalformed()
{
    DemoFault f;
    f.malformedJson = true;
    server_.setFault(QStringLiteral("DepartmanlariVer"), f);
    const auto r = http_->call(QStringLiteral("DepartmanlariVer"));
    QCOMPARE(r.status, 200);
    QJsonParseError e{};
    QJsonDocument::fromJson(r.body, &e);
    QVERIFY(e.error != QJsonParseError::NoError);
}

void TstDemoProtocol::faultStreamSize()
{
    DemoFault f;
    f.streamSizeDelta = -7;
    server_.setFault(QStringLiteral("ResimVer5"), f);
    // Find a part with a picture.
    const int stokno = server_.query(QStringLiteral("SELECT STOK_STOKNO FROM stok WHERE RESIM=1 LIMIT 1")).first().value("STOK_STOKNO").toInt();
    const auto r = http_->call(QStringLiteral("ResimVer5"), {stokno});
    QCOMPARE(r.status, 200);
    const QJsonArray result = r.result();
    QCOMPARE(result.size(), 2);
    QCOMPARE(result.at(0).toInteger() + 7, qint64(result.at(1).toArray().size()));
}

void TstDemoProtocol::faultDrop()
{
    DemoFault f;
    f.dropConnection = true;
    server_.setFault(QStringLiteral("SepetVerOrvak"), f);
    const QByteArray body = "{\"_parameters\":[1003]}";
    const QByteArray reply = http_->raw("POST " + DemoTestClient::methodPath(QStringLiteral("SepetVerOrvak")).toUtf8()
                                        + " HTTP/1.1\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" + body);
    QVERIFY(reply.startsWith("HTTP/1.1 200"));
    const qsizetype headerEnd = reply.indexOf("\r\n\r\n") + 4;
    const QByteArray lengthLine = reply.mid(reply.indexOf("Content-Length: ") + 16);
    const qint64 announced = lengthLine.left(lengthLine.indexOf('\r')).toLongLong();
    QVERIFY(announced > 0);
    QVERIFY(reply.size() - headerEnd < announced); // the body was cut short and the socket closed
}

void TstDemoProtocol::faultTimesAndWildcard()
{
    DemoFault f;
    f.errorMessage = QStringLiteral("bir kez");
    f.times = 1;
    server_.setFault(QStringLiteral("DepartmanlariVer"), f);
    QCOMPARE(http_->call(QStringLiteral("DepartmanlariVer")).status, 500);
    QCOMPARE(http_->call(QStringLiteral("DepartmanlariVer")).status, 200);

    DemoFault all;
    all.errorMessage = QStringLiteral("hepsi");
    server_.setFault(QStringLiteral("*"), all);
    QCOMPARE(http_->call(QStringLiteral("KayanYaziGetir")).error(), QStringLiteral("hepsi"));
    QCOMPARE(http_->get(QStringLiteral("/ip")).status, 200); // web endpoints are not remote methods
    server_.clearFaults();
    QCOMPARE(http_->call(QStringLiteral("DepartmanlariVer")).status, 200);
}

void TstDemoProtocol::faultParser_data()
{
    QTest::addColumn<QString>("spec");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("method");
    QTest::addColumn<int>("delay");
    QTest::addColumn<QString>("error");
    QTest::addColumn<int>("stream");
    QTest::addColumn<bool>("malformed");
    QTest::addColumn<bool>("drop");
    QTest::addColumn<int>("times");
    QTest::newRow("delay and times") << "SepetEkle2:delay=1500,times=2" << true << "SepetEkle2" << 1500 << "" << 0 << false << false << 2;
    QTest::newRow("error keeps commas") << "BuyukGetir:times=1,error=Bakım, sonra deneyin" << true << "BuyukGetir" << 0
                                        << "Bakım, sonra deneyin" << 0 << false << false << 1;
    QTest::newRow("flags") << "ResimVer5:stream=-3,malformed,drop" << true << "ResimVer5" << 0 << "" << -3 << true << true << -1;
    QTest::newRow("no method") << ":delay=5" << false << "" << 0 << "" << 0 << false << false << -1;
    QTest::newRow("unknown item") << "X:slow" << false << "" << 0 << "" << 0 << false << false << -1;
    QTest::newRow("negative delay") << "X:delay=-1" << false << "" << 0 << "" << 0 << false << false << -1;
    QTest::newRow("empty error") << "X:error=" << false << "" << 0 << "" << 0 << false << false << -1;
}

void TstDemoProtocol::faultParser()
{
    QFETCH(QString, spec);
    QFETCH(bool, ok);
    QString method, error;
    DemoFault f;
    QCOMPARE(DemoFaultParser::parse(spec, &method, &f, &error), ok);
    if (!ok) {
        QVERIFY(!error.isEmpty());
        return;
    }
    QTEST(method, "method");
    QTEST(f.delayMs, "delay");
    QTEST(f.errorMessage, "error");
    QTEST(f.streamSizeDelta, "stream");
    QTEST(f.malformedJson, "malformed");
    QTEST(f.dropConnection, "drop");
    QTEST(f.times, "times");
}

void TstDemoProtocol::receivedParametersAreRecorded()
{
    server_.clearReceived();
    http_->call(QStringLiteral("SepetVerOrvak"), {1003});
    http_->call(QStringLiteral("SepetVerOrvak"), {1004});
    const QList<QJsonArray> got = server_.receivedParameters(QStringLiteral("SepetVerOrvak"));
    QCOMPARE(got.size(), 2);
    QCOMPARE(got.at(0), QJsonArray({1003}));
    QCOMPARE(server_.lastParameters(QStringLiteral("SepetVerOrvak")), QJsonArray({1004}));
    QCOMPARE(server_.callCount(QStringLiteral("SepetVerOrvak")), 2);
}

QTEST_MAIN(TstDemoProtocol)
#include "tst_demo_protocol.moc"
