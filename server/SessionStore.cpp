#include "SessionStore.h"

#include <QRandomGenerator>

QString SessionStore::create()
{
    purge();
    const QString id = QStringLiteral("%1.%2.%3")
                           .arg(QRandomGenerator::global()->bounded(100000, 999999))
                           .arg(++counter_)
                           .arg(QDateTime::currentMSecsSinceEpoch() % 1000000);
    lastUse_.insert(id, QDateTime::currentMSecsSinceEpoch());
    return id;
}

bool SessionStore::touch(const QString& id)
{
    auto it = lastUse_.find(id);
    if (it == lastUse_.end())
        return false;
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    if (now - it.value() > kLifetimeMs) {
        lastUse_.erase(it);
        return false;
    }
    it.value() = now;
    return true;
}

bool SessionStore::close(const QString& id)
{
    return lastUse_.remove(id) > 0;
}

void SessionStore::expireAll()
{
    lastUse_.clear();
}

void SessionStore::purge()
{
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    for (auto it = lastUse_.begin(); it != lastUse_.end();)
        it = now - it.value() > kLifetimeMs ? lastUse_.erase(it) : std::next(it);
}

QString SessionStore::idFromPragma(const QByteArray& pragma)
{
    for (const QByteArray& part : pragma.split(',')) {
        const QByteArray p = part.trimmed();
        if (p.startsWith("dssession="))
            return QString::fromLatin1(p.mid(10)).trimmed();
    }
    return {};
}

QByteArray SessionStore::pragmaFor(const QString& id)
{
    return "dssession=" + id.toLatin1() + ",dssessionexpires=" + QByteArray::number(kLifetimeMs);
}
