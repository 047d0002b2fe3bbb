#include "DemoServerCore.h"
#include "BasketMethods.h"
#include "ContentMethods.h"
#include "DemoDatabase.h"
#include "DemoError.h"
#include "DemoFaultTable.h"
#include "DemoSchema.h"
#include "DemoSeeder.h"
#include "HttpConnection.h"
#include "JsonText.h"
#include "MediaStore.h"
#include "OrderMethods.h"
#include "ParameterLog.h"
#include "RequestRoute.h"
#include "SignInMethods.h"
#include "StockMethods.h"
#include "WebEndpoints.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>
#include <QTcpServer>
#include <QTimer>
#include <atomic>

namespace {

std::atomic<int> gConnectionCounter{0};
const QString kDbFile = QStringLiteral("telmira-demo.sqlite");

void removeDataFiles(const QString& dir)
{
    for (const QString& suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")})
        QFile::remove(dir + u'/' + kDbFile + suffix);
    QDir(dir + QStringLiteral("/resim")).removeRecursively();
    QDir(dir + QStringLiteral("/belge")).removeRecursively();
}

} // namespace

DemoServerCore::DemoServerCore(DemoFaultTable* faults, ParameterLog* log) : faults_(faults), log_(log) {}

DemoServerCore::~DemoServerCore()
{
    close();
}

template <typename Family>
void DemoServerCore::addFamily()
{
    auto family = std::make_shared<Family>(ctx_);
    family->registerMethods(registry_);
    families_.push_back(family);
}

bool DemoServerCore::prepareData(const DemoServerOptions& options, const QString& dir, QString* error)
{
    if (!QDir().mkpath(dir)) {
        *error = QStringLiteral("Veri klasörü oluşturulamadı: %1").arg(dir);
        return false;
    }
    if (options.reset)
        removeDataFiles(dir);
    const QString file = dir + u'/' + kDbFile;
    db_ = std::make_unique<DemoDatabase>(QStringLiteral("telmira-demo-%1").arg(++gConnectionCounter));
    if (!db_->open(file, error))
        return false;
    try {
        const QString version = db_->meta(QStringLiteral("schema"));
        if (version == QString::number(DemoSchema::kVersion))
            return true;
        if (!version.isEmpty() || db_->scalar(QStringLiteral("SELECT COUNT(*) FROM sqlite_master")).toInt() > 0) {
            // Made by another version of this server: start again.
            db_->close();
            removeDataFiles(dir);
            if (!db_->open(file, error))
                return false;
        }
        DemoSchema::create(*db_);
        DemoSeeder::seed(*db_, options);
        db_->setMeta(QStringLiteral("seed"), QString::number(options.seed));
        db_->setMeta(QStringLiteral("catalogue"), QString::number(options.catalogue));
        db_->setMeta(QStringLiteral("schema"), QString::number(DemoSchema::kVersion));
    } catch (const std::exception& e) {
        *error = QString::fromUtf8(e.what());
        return false;
    }
    return true;
}

bool DemoServerCore::open(const DemoServerOptions& options, const QString& dataDir, QString* error)
{
    if (!prepareData(options, dataDir, error))
        return false;
    media_ = std::make_unique<MediaStore>(*db_, dataDir);
    ctx_.db = db_.get();
    ctx_.media = media_.get();
    ctx_.options = options;
    ctx_.dataDir = dataDir;
    addFamily<SignInMethods>();
    addFamily<StockMethods>();
    addFamily<BasketMethods>();
    addFamily<OrderMethods>();
    addFamily<ContentMethods>();
    web_ = std::make_unique<WebEndpoints>(ctx_);

    server_ = new QTcpServer(this);
    connect(server_, &QTcpServer::newConnection, this, &DemoServerCore::onNewConnection);
    const QHostAddress address(options.listenAddress.isEmpty() ? QStringLiteral("127.0.0.1") : options.listenAddress);
    if (!server_->listen(address, options.port)) {
        *error = QStringLiteral("Port dinlenemiyor (%1:%2): %3")
                     .arg(address.toString())
                     .arg(options.port)
                     .arg(server_->errorString());
        return false;
    }
    return true;
}

void DemoServerCore::close()
{
    if (server_) {
        server_->close();
        delete server_;
        server_ = nullptr;
    }
    // Open connections are children of this object and go with it; their sockets close.
    const auto connections = findChildren<HttpConnection*>(Qt::FindDirectChildrenOnly);
    for (HttpConnection* c : connections)
        delete c;
    families_.clear();
    web_.reset();
    media_.reset();
    if (db_)
        db_->close();
    db_.reset();
}

quint16 DemoServerCore::port() const
{
    return server_ ? server_->serverPort() : 0;
}

QList<QVariantMap> DemoServerCore::query(const QString& sql, const QVariantList& binds, QString* error)
{
    try {
        if (!db_)
            throw DemoError(QStringLiteral("Sunucu çalışmıyor"));
        return db_->rows(sql, binds);
    } catch (const DemoError& e) {
        if (error)
            *error = e.message();
        return {};
    }
}

void DemoServerCore::onNewConnection()
{
    while (QTcpSocket* socket = server_->nextPendingConnection()) {
        auto* connection = new HttpConnection(socket, kMaxBodyBytes, this);
        connect(connection, &HttpConnection::requestReady, this, &DemoServerCore::onRequest);
    }
}

void DemoServerCore::onRequest(HttpConnection* connection, const HttpRequest& request)
{
    const RequestRoute route = RequestRoute::of(request);
    const DemoFault fault = faults_->take(route.faultKey(), route.isRemote()).value_or(DemoFault{});
    if (fault.delayMs <= 0) {
        connection->send(build(request, route, fault));
        return;
    }
    QPointer<HttpConnection> guard(connection);
    QTimer::singleShot(fault.delayMs, this, [this, guard, request, route, fault] {
        if (guard && guard->isOpen())
            guard->send(build(request, route, fault));
    });
}

HttpResponse DemoServerCore::build(const HttpRequest& request, const RequestRoute& route, const DemoFault& fault)
{
    HttpResponse r;
    if (!fault.errorMessage.isEmpty()) {
        if (route.isRemote()) {
            // The call still counts as received, with what it carried.
            const QJsonDocument doc = QJsonDocument::fromJson(request.body);
            log_->add(route.name, doc.object().value(QLatin1String("_parameters")).toArray());
        }
        r = HttpResponse::error(500, fault.errorMessage);
    } else if (route.type == RequestRoute::Type::Web) {
        r = web_->handle(route.name, request);
    } else {
        r = dataSnap(request, route, fault.streamSizeDelta);
    }
    if (fault.malformedJson) {
        // Cut the reply short and add something no JSON reader accepts.
        r.body = r.body.left(std::max<qsizetype>(1, r.body.size() / 2)) + "\x01<<nicht json";
    }
    if (fault.dropConnection)
        r.dropMidBody = true;
    return r;
}

HttpResponse DemoServerCore::dataSnap(const HttpRequest& request, const RequestRoute& route, int streamSizeDelta)
{
    const QString sent = SessionStore::idFromPragma(request.header("pragma"));
    QString session = sent;
    if (route.type == RequestRoute::Type::Platform) {
        if (session.isEmpty() || !sessions_.touch(session))
            session = sessions_.create();
        HttpResponse r = HttpResponse::json(200, "{\"result\":[\"Telmira Demo Server\"]}");
        r.headers.append({"Pragma", SessionStore::pragmaFor(session)});
        return r;
    }
    if (!session.isEmpty() && !sessions_.touch(session)) {
        HttpResponse r = HttpResponse::json(
            403, "{\"SessionExpired\":" + JsonText::string(QStringLiteral("Session %1 is not valid").arg(session)) + '}');
        return r;
    }
    if (route.type == RequestRoute::Type::CloseSession) {
        if (session.isEmpty())
            return HttpResponse::error(400, QStringLiteral("No session"));
        sessions_.close(session);
        return HttpResponse::json(200, "{\"result\":[true]}");
    }
    if (session.isEmpty())
        session = sessions_.create();
    HttpResponse r = route.type == RequestRoute::Type::Method
        ? callMethod(route.name, request, streamSizeDelta)
        : HttpResponse::error(404, QStringLiteral("Unknown path"));
    r.headers.append({"Pragma", SessionStore::pragmaFor(session)});
    return r;
}

HttpResponse DemoServerCore::callMethod(const QString& method, const HttpRequest& request, int streamSizeDelta)
{
    QJsonArray parameters;
    QString parseError;
    if (!request.body.trimmed().isEmpty()) {
        QJsonParseError err{};
        const QJsonDocument doc = QJsonDocument::fromJson(request.body, &err);
        if (err.error != QJsonParseError::NoError)
            parseError = QStringLiteral("Geçersiz JSON: %1").arg(err.errorString());
        else if (!doc.isObject() || !doc.object().value(QLatin1String("_parameters")).isArray())
            parseError = QStringLiteral("İstek gövdesinde _parameters dizisi yok");
        else
            parameters = doc.object().value(QLatin1String("_parameters")).toArray();
    }
    const MethodRegistry::Entry* entry = registry_.find(method);
    if (!entry)
        return HttpResponse::error(
            404, QStringLiteral("TServerMethods1.%1 method not found in the server method list").arg(method));
    log_->add(method, parameters);
    if (!parseError.isEmpty())
        return HttpResponse::error(500, parseError);
    const QString wrong = MethodCall::check(entry->signature, parameters);
    if (!wrong.isEmpty())
        return HttpResponse::error(500, wrong);
    try {
        const MethodResult result = entry->handler(MethodCall(method, parameters, request.peer));
        return HttpResponse::json(200, result.body(streamSizeDelta));
    } catch (const DemoError& e) {
        return HttpResponse::error(500, e.message());
    } catch (const std::exception& e) {
        return HttpResponse::error(500, QString::fromUtf8(e.what()));
    } catch (...) {
        return HttpResponse::error(500, QStringLiteral("Sunucu hatası"));
    }
}
