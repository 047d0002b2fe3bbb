#pragma once
#include "HttpIstemci.h"

#include <QMap>
#include <QString>

#include <memory>

// The connection to the application server. HTTP has no connection to hold, so "open" proves the
// server answers the protocol and takes a session; calls then travel with that session. One
// connection belongs to one thread at a time; background work takes a Clone.
class TSQLConnection {
public:
    TSQLConnection();

    QString ConnectionName = QStringLiteral("DataSnapCONNECTION");
    QString DriverName = QStringLiteral("DataSnap");
    QString DriverUnit = QStringLiteral("Data.DBXDataSnap");
    bool LoginPrompt = false;
    // CommunicationProtocol, HostName, Port, DatasnapContext, DSProxyPort, Filters.
    QMap<QString, QString> Params;

    // One attempt: GET DSAdmin/GetPlatformName within 2 s connect / 5 s in all. Throws
    // EConnectionError (or another ERemoteError) when it fails.
    void Open();
    // Best effort CloseSession; never throws.
    void Close();
    bool Connected() const { return acik_; }
    const QString& OturumNo() const { return oturum_; }

    // Same parameters, no session, closed.
    std::unique_ptr<TSQLConnection> Clone() const;

    // Calls "TServerMethods1.<method>" with the body {"_parameters":[…]}; returns a 200 reply or
    // throws: EServerError with the server's message, EAuthError, EConfigError, EProtocolError,
    // EConnectionError. An expired session is renewed and the call repeated once.
    HttpYanit Cagir(const QString& yontem, const QByteArray& yol, const std::string& govde);

    QByteArray TemelAdres() const;
    int AcmaDenemeleri() const { return acmaDenemeleri_; }

private:
    QList<QByteArray> basliklar() const;
    void oturumAl(const QByteArray& pragma);

    std::unique_ptr<HttpIstemci> http_;
    bool acik_ = false;
    QString oturum_;
    int acmaDenemeleri_ = 0;
};
