#pragma once
#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QNetworkAccessManager>
#include <QPair>
#include <QString>

// A small blocking HTTP client for the demo server tests (the server runs on its own thread).
class DemoTestClient {
public:
    struct Reply {
        int status = 0;
        QByteArray body;
        QList<QPair<QByteArray, QByteArray>> headers;
        bool networkError = false;
        QByteArray header(const QByteArray& name) const;
        QJsonObject json() const;
        QJsonArray result() const { return json().value(QLatin1String("result")).toArray(); }
        QString error() const { return json().value(QLatin1String("error")).toString(); }
    };

    explicit DemoTestClient(quint16 port) : port_(port) {}

    Reply get(const QString& path, const QByteArray& pragma = {});
    Reply post(const QString& path, const QByteArray& body, const QByteArray& pragma = {});
    // POST .../TServerMethods1/%22<method>%22/ with {"_parameters":parameters}.
    Reply call(const QString& method, const QJsonArray& parameters = {}, const QByteArray& pragma = {});
    // Writes bytes on a fresh socket and returns everything read until the peer closes or
    // `waitMs` passes without data.
    QByteArray raw(const QByteArray& bytes, int waitMs = 1500);

    static QString methodPath(const QString& method);
    static QJsonObject record(int carino, int musteriTipi, int sirano = 1, const QString& adi = QStringLiteral("TEST"));

private:
    Reply run(const QByteArray& verb, const QString& path, const QByteArray& body, const QByteArray& pragma);
    quint16 port_;
    QNetworkAccessManager nam_;
};
