#pragma once
#include "MethodCall.h"
#include "MethodResult.h"

#include <QHash>
#include <functional>

// The remote methods of TServerMethods1: name -> parameter signature and handler.
class MethodRegistry {
public:
    using Handler = std::function<MethodResult(const MethodCall&)>;
    struct Entry {
        QString signature;
        Handler handler;
    };

    void add(const QString& name, const QString& signature, Handler handler);
    const Entry* find(const QString& name) const;
    QStringList names() const;

private:
    QHash<QString, Entry> entries_;
};
