#include "DemoFaultTable.h"

void DemoFaultTable::set(const QString& method, const DemoFault& fault)
{
    QMutexLocker lock(&mutex_);
    if (fault.times == 0)
        faults_.remove(method);
    else
        faults_.insert(method, fault);
}

void DemoFaultTable::clear(const QString& method)
{
    QMutexLocker lock(&mutex_);
    faults_.remove(method);
}

void DemoFaultTable::clearAll()
{
    QMutexLocker lock(&mutex_);
    faults_.clear();
}

std::optional<DemoFault> DemoFaultTable::take(const QString& method, bool remote)
{
    QMutexLocker lock(&mutex_);
    if (auto own = takeLocked(method))
        return own;
    if (remote)
        return takeLocked(QStringLiteral("*"));
    return std::nullopt;
}

std::optional<DemoFault> DemoFaultTable::takeLocked(const QString& key)
{
    auto it = faults_.find(key);
    if (it == faults_.end())
        return std::nullopt;
    DemoFault fault = it.value();
    if (it->times > 0 && --it->times == 0)
        faults_.erase(it);
    return fault;
}
