#pragma once
#include "DemoContext.h"
#include "HttpRequest.h"
#include "HttpResponse.h"
#include "MethodRegistry.h"
#include "SessionStore.h"

#include <QObject>
#include <memory>
#include <vector>

class DemoDatabase;
class DemoFaultTable;
class HttpConnection;
class MediaStore;
class ParameterLog;
class QTcpServer;
class WebEndpoints;
struct DemoFault;
struct RequestRoute;

// The server proper; lives on the server thread. HttpConnection parses; this routes each
// request to a remote method, the session calls or a web endpoint, and applies injected faults.
class DemoServerCore : public QObject {
    Q_OBJECT
public:
    static constexpr qint64 kMaxBodyBytes = 64LL * 1024 * 1024;

    DemoServerCore(DemoFaultTable* faults, ParameterLog* log);
    ~DemoServerCore() override;

    // Opens (creating and seeding when needed) the data, then listens.
    bool open(const DemoServerOptions& options, const QString& dataDir, QString* error);
    void close();
    quint16 port() const;

    void expireSessions() { sessions_.expireAll(); }
    QList<QVariantMap> query(const QString& sql, const QVariantList& binds, QString* error);
    const MethodRegistry& registry() const { return registry_; }

private:
    void onNewConnection();
    void onRequest(HttpConnection* connection, const HttpRequest& request);
    HttpResponse build(const HttpRequest& request, const RequestRoute& route, const DemoFault& fault);
    HttpResponse dataSnap(const HttpRequest& request, const RequestRoute& route, int streamSizeDelta);
    HttpResponse callMethod(const QString& method, const HttpRequest& request, int streamSizeDelta);
    bool prepareData(const DemoServerOptions& options, const QString& file, QString* error);
    template <typename Family>
    void addFamily();

    DemoFaultTable* faults_;
    ParameterLog* log_;
    std::unique_ptr<DemoDatabase> db_;
    std::unique_ptr<MediaStore> media_;
    std::unique_ptr<WebEndpoints> web_;
    std::vector<std::shared_ptr<void>> families_;
    DemoContext ctx_;
    MethodRegistry registry_;
    SessionStore sessions_;
    QTcpServer* server_ = nullptr;
};
