#pragma once
#include "DemoFault.h"
#include "DemoServerOptions.h"

#include <QJsonArray>
#include <QList>
#include <QString>
#include <QVariantList>
#include <QVariantMap>
#include <memory>

class DemoServerCore;
class DemoFaultTable;
class ParameterLog;
class QThread;
class QTemporaryDir;

// The demo application server, run in-process: it owns a thread with its own event loop, so the
// caller's thread may make blocking HTTP calls to it. Every public member is thread-safe.
// Pictures and PDFs carry text only when a QGuiApplication exists (the executable makes one).
class DemoServer {
public:
    DemoServer();
    ~DemoServer();
    DemoServer(const DemoServer&) = delete;
    DemoServer& operator=(const DemoServer&) = delete;

    // Opens (creating and seeding when needed) the data, listens and returns when ready.
    bool start(const DemoServerOptions& options);
    void stop();
    bool isRunning() const;
    quint16 port() const;
    QString errorString() const;
    QString dataDir() const;
    QString baseUrl() const; // http://127.0.0.1:<port>/

    // Fault injection, per remote method name (e.g. "SepetEkle2"), also "GetPlatformName",
    // "CloseSession" and the web endpoints "ip", "formmailgonder.aspx", "Brimola.html",
    // "OrvakSetup.exe"; "*" applies to every remote method without a fault of its own.
    void setFault(const QString& method, const DemoFault& fault);
    void clearFault(const QString& method);
    void clearFaults();

    // The parameter arrays received for a method, oldest first (at most the last 200 calls).
    QList<QJsonArray> receivedParameters(const QString& method) const;
    QJsonArray lastParameters(const QString& method) const; // empty when never called
    int callCount(const QString& method) const;
    void clearReceived();

    // Every session id handed out so far becomes invalid (the next call answers 403 SessionExpired).
    void expireSessions();

    // Reads of the stored state for tests: rows as column name -> value.
    QList<QVariantMap> basketLines(int carino) const;
    QList<QVariantMap> orders(int carino) const;
    QList<QVariantMap> orderLines(int idno) const;
    QList<QVariantMap> query(const QString& sql, const QVariantList& binds = {}) const;

private:
    QList<QVariantMap> runQuery(const QString& sql, const QVariantList& binds) const;

    std::unique_ptr<DemoFaultTable> faults_;
    std::unique_ptr<ParameterLog> log_;
    std::unique_ptr<QTemporaryDir> tempDir_;
    QThread* thread_ = nullptr;
    DemoServerCore* core_ = nullptr;
    quint16 port_ = 0;
    QString error_;
    QString dataDir_;
};
