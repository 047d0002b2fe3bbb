#include "MethodRegistry.h"

void MethodRegistry::add(const QString& name, const QString& signature, Handler handler)
{
    Q_ASSERT(!entries_.contains(name));
    entries_.insert(name, {signature, std::move(handler)});
}

const MethodRegistry::Entry* MethodRegistry::find(const QString& name) const
{
    auto it = entries_.constFind(name);
    return it == entries_.constEnd() ? nullptr : &it.value();
}

QStringList MethodRegistry::names() const
{
    QStringList list = entries_.keys();
    list.sort();
    return list;
}
