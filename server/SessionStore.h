#pragma once
#include <QDateTime>
#include <QHash>
#include <QString>

// DataSnap sessions: ids handed out in "Pragma: dssession=<id>", forgotten on CloseSession,
// after kLifetimeMs of disuse, or all at once by expireAll().
class SessionStore {
public:
    static constexpr qint64 kLifetimeMs = 20 * 60 * 1000;

    QString create();
    bool touch(const QString& id); // false: unknown or expired
    bool close(const QString& id);
    void expireAll();
    int count() const { return int(lastUse_.size()); }

    // "dssession=<id>" out of a Pragma header value, or empty.
    static QString idFromPragma(const QByteArray& pragma);
    static QByteArray pragmaFor(const QString& id);

private:
    void purge();

    QHash<QString, qint64> lastUse_;
    quint64 counter_ = 0;
};
