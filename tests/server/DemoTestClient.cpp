#include "DemoTestClient.h"

#include <QEventLoop>
#include <QJsonDocument>
#include <QNetworkReply>
#include <QTcpSocket>
#include <QTimer>

QByteArray DemoTestClient::Reply::header(const QByteArray& name) const
{
    for (const auto& h : headers)
        if (h.first.compare(name, Qt::CaseInsensitive) == 0)
            return h.second;
    return {};
}

QJsonObject DemoTestClient::Reply::json() const
{
    return QJsonDocument::fromJson(body).object();
}

QString DemoTestClient::methodPath(const QString& method)
{
    return QStringLiteral("/datasnap/rest/TServerMethods1/%22") + method + QStringLiteral("%22/");
}

QJsonObject DemoTestClient::record(int carino, int musteriTipi, int sirano, const QString& adi)
{
    QJsonObject fields{{"FBILGISAYARID", "TEST-WS"}, {"FSaticiMail", ""}, {"FSirano", sirano}, {"FCariAdi", ""},
                       {"FSIFRE", ""}, {"FSaticiNo", 0}, {"FCARINO", carino}, {"FAKTIF", 1},
                       {"FKullanicimail", ""}, {"FADI", adi}, {"FSaticiTelefon", ""}, {"Fcarikod", ""},
                       {"FVarmi", true}, {"FSaticiAdi", ""}, {"FBilgiSayarAdi", "PC"}, {"FDisip", "127.0.0.1"},
                       {"FIcip", "127.0.0.1"}, {"FBilgisayarKullanici", "user"}, {"FMusteriTipi", musteriTipi},
                       {"FVersion", 5}};
    return QJsonObject{{"type", "baglantiu.TSonucBilgisi"}, {"id", 1}, {"fields", fields}};
}

DemoTestClient::Reply DemoTestClient::get(const QString& path, const QByteArray& pragma)
{
    return run("GET", path, {}, pragma);
}

DemoTestClient::Reply DemoTestClient::post(const QString& path, const QByteArray& body, const QByteArray& pragma)
{
    return run("POST", path, body, pragma);
}

DemoTestClient::Reply DemoTestClient::call(const QString& method, const QJsonArray& parameters, const QByteArray& pragma)
{
    const QByteArray body = QJsonDocument(QJsonObject{{"_parameters", parameters}}).toJson(QJsonDocument::Compact);
    return run("POST", methodPath(method), body, pragma);
}

DemoTestClient::Reply DemoTestClient::run(const QByteArray& verb, const QString& path, const QByteArray& body,
                                          const QByteArray& pragma)
{
    QNetworkRequest request(QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(port_).arg(path)));
    request.setRawHeader("Accept", "application/json");
    request.setHeader(QNetworkRequest::ContentTypeHeader, "text/plain;charset=UTF-8");
    if (!pragma.isEmpty())
        request.setRawHeader("Pragma", pragma);
    request.setTransferTimeout(30000);
    QNetworkReply* reply = verb == "GET" ? nam_.get(request) : nam_.sendCustomRequest(request, verb, body);
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    loop.exec();
    Reply r;
    r.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    r.body = reply->readAll();
    r.networkError = reply->error() != QNetworkReply::NoError && r.status == 0;
    for (const auto& h : reply->rawHeaderPairs())
        r.headers.append(h);
    reply->deleteLater();
    return r;
}

QByteArray DemoTestClient::raw(const QByteArray& bytes, int waitMs)
{
    QTcpSocket socket;
    socket.connectToHost(QStringLiteral("127.0.0.1"), port_);
    if (!socket.waitForConnected(3000))
        return {};
    socket.write(bytes);
    socket.waitForBytesWritten(3000);
    QByteArray out;
    while (socket.state() == QAbstractSocket::ConnectedState && socket.waitForReadyRead(waitMs))
        out += socket.readAll();
    out += socket.readAll();
    return out;
}
