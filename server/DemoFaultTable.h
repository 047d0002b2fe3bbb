#pragma once
#include "DemoFault.h"

#include <QHash>
#include <QMutex>
#include <optional>

// Thread-safe store of the injected faults. take() consumes one use of a counted fault.
class DemoFaultTable {
public:
    void set(const QString& method, const DemoFault& fault);
    void clear(const QString& method);
    void clearAll();
    // The fault for this call of `method` (its own, else the "*" fault when `remote`), or none.
    std::optional<DemoFault> take(const QString& method, bool remote);

private:
    std::optional<DemoFault> takeLocked(const QString& key);

    QMutex mutex_;
    QHash<QString, DemoFault> faults_;
};
