#pragma once
#include <QObject>

#include <functional>

class QThreadPool;

// Runs `is` on a worker of the background pool, then `devam` on the interface thread. The
// continuation is dropped when `baglam` (the page or dialog) is gone by then. An error escaping
// `is` does not skip the continuation (the page must be restored); it is raised again on the
// interface thread after the continuation, where the general error display shows it.
void ArkaPlandaCalistir(QObject* baglam, std::function<void()> is, std::function<void()> devam);

// Called on a worker: runs `is` on the interface thread and returns when it has run. Called on
// the interface thread: runs it at once.
void ArayuzdeCalistir(const std::function<void()>& is);

// The pool (at least four threads: the work waits on the network).
QThreadPool& ArkaPlanHavuzu();
