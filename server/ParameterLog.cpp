#include "ParameterLog.h"

void ParameterLog::add(const QString& method, const QJsonArray& parameters)
{
    QMutexLocker lock(&mutex_);
    auto& list = received_[method];
    list.append(parameters);
    if (list.size() > kKeep)
        list.removeFirst();
    ++counts_[method];
}

QList<QJsonArray> ParameterLog::received(const QString& method) const
{
    QMutexLocker lock(&mutex_);
    return received_.value(method);
}

int ParameterLog::count(const QString& method) const
{
    QMutexLocker lock(&mutex_);
    return counts_.value(method);
}

void ParameterLog::clear()
{
    QMutexLocker lock(&mutex_);
    received_.clear();
    counts_.clear();
}
