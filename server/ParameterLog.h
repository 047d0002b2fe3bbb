#pragma once
#include <QHash>
#include <QJsonArray>
#include <QList>
#include <QMutex>
#include <QString>

// Thread-safe record of the parameter arrays each remote method received.
class ParameterLog {
public:
    static constexpr int kKeep = 200;

    void add(const QString& method, const QJsonArray& parameters);
    QList<QJsonArray> received(const QString& method) const;
    int count(const QString& method) const;
    void clear();

private:
    mutable QMutex mutex_;
    QHash<QString, QList<QJsonArray>> received_;
    QHash<QString, int> counts_;
};
