#include "DemoServer.h"
#include "DemoFaultTable.h"
#include "DemoServerCore.h"
#include "ParameterLog.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QThread>

DemoServer::DemoServer() : faults_(std::make_unique<DemoFaultTable>()), log_(std::make_unique<ParameterLog>()) {}

DemoServer::~DemoServer()
{
    stop();
}

bool DemoServer::start(const DemoServerOptions& options)
{
    stop();
    error_.clear();
    DemoServerOptions opts = options;
    if (opts.dataDir.isEmpty()) {
        tempDir_ = std::make_unique<QTemporaryDir>();
        if (!tempDir_->isValid()) {
            error_ = QStringLiteral("Geçici klasör oluşturulamadı");
            tempDir_.reset();
            return false;
        }
        opts.dataDir = tempDir_->path();
    }
    dataDir_ = opts.dataDir;
    opts.catalogue = std::clamp(opts.catalogue, 1, 1000000);

    thread_ = new QThread;
    thread_->setObjectName(QStringLiteral("telmira-demo-server"));
    core_ = new DemoServerCore(faults_.get(), log_.get());
    core_->moveToThread(thread_);
    thread_->start();
    bool ok = false;
    QString error;
    QMetaObject::invokeMethod(
        core_, [&] { ok = core_->open(opts, opts.dataDir, &error); }, Qt::BlockingQueuedConnection);
    if (!ok) {
        error_ = error;
        stop();
        return false;
    }
    QMetaObject::invokeMethod(
        core_, [&] { port_ = core_->port(); }, Qt::BlockingQueuedConnection);
    return true;
}

void DemoServer::stop()
{
    if (thread_) {
        if (core_) {
            DemoServerCore* core = core_;
            QMetaObject::invokeMethod(
                core, [core] { delete core; }, Qt::BlockingQueuedConnection);
            core_ = nullptr;
        }
        thread_->quit();
        thread_->wait();
        delete thread_;
        thread_ = nullptr;
    }
    port_ = 0;
    tempDir_.reset();
}

bool DemoServer::isRunning() const
{
    return core_ != nullptr;
}

quint16 DemoServer::port() const
{
    return port_;
}

QString DemoServer::errorString() const
{
    return error_;
}

QString DemoServer::dataDir() const
{
    return dataDir_;
}

QString DemoServer::baseUrl() const
{
    return QStringLiteral("http://127.0.0.1:%1/").arg(port_);
}

void DemoServer::setFault(const QString& method, const DemoFault& fault)
{
    faults_->set(method, fault);
}

void DemoServer::clearFault(const QString& method)
{
    faults_->clear(method);
}

void DemoServer::clearFaults()
{
    faults_->clearAll();
}

QList<QJsonArray> DemoServer::receivedParameters(const QString& method) const
{
    return log_->received(method);
}

QJsonArray DemoServer::lastParameters(const QString& method) const
{
    const QList<QJsonArray> all = log_->received(method);
    return all.isEmpty() ? QJsonArray() : all.last();
}

int DemoServer::callCount(const QString& method) const
{
    return log_->count(method);
}

void DemoServer::clearReceived()
{
    log_->clear();
}

void DemoServer::expireSessions()
{
    if (!core_)
        return;
    DemoServerCore* core = core_;
    if (QThread::currentThread() == thread_)
        core->expireSessions();
    else
        QMetaObject::invokeMethod(
            core, [core] { core->expireSessions(); }, Qt::BlockingQueuedConnection);
}

QList<QVariantMap> DemoServer::runQuery(const QString& sql, const QVariantList& binds) const
{
    if (!core_)
        return {};
    QList<QVariantMap> rows;
    DemoServerCore* core = core_;
    auto work = [&] { rows = core->query(sql, binds, nullptr); };
    if (QThread::currentThread() == thread_)
        work();
    else
        QMetaObject::invokeMethod(core, work, Qt::BlockingQueuedConnection);
    return rows;
}

QList<QVariantMap> DemoServer::basketLines(int carino) const
{
    return runQuery(QStringLiteral("SELECT * FROM sepet WHERE CARINO=? ORDER BY SIRANO"), {carino});
}

QList<QVariantMap> DemoServer::orders(int carino) const
{
    return runQuery(QStringLiteral("SELECT * FROM siparis WHERE CARINO=? ORDER BY IDNO"), {carino});
}

QList<QVariantMap> DemoServer::orderLines(int idno) const
{
    return runQuery(QStringLiteral("SELECT * FROM siparis_satir WHERE IDNO=? ORDER BY SIRANO"), {idno});
}

QList<QVariantMap> DemoServer::query(const QString& sql, const QVariantList& binds) const
{
    return runQuery(sql, binds);
}
