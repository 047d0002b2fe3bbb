#include "ArkaPlandaCalistir.h"

#include <QCoreApplication>
#include <QPointer>
#include <QThread>
#include <QThreadPool>

#include <exception>
#include <memory>

QThreadPool& ArkaPlanHavuzu() {
    static QThreadPool* havuz = [] {
        auto* h = new QThreadPool; // lives until the process ends, like the tasks it may still run
        h->setMaxThreadCount(qMax(4, QThread::idealThreadCount()));
        return h;
    }();
    return *havuz;
}

void ArkaPlandaCalistir(QObject* baglam, std::function<void()> is, std::function<void()> devam) {
    QPointer<QObject> hedef(baglam);
    ArkaPlanHavuzu().start([hedef, is = std::move(is), devam = std::move(devam)]() mutable {
        std::exception_ptr hata;
        try {
            is();
        } catch (...) {
            hata = std::current_exception();
        }
        QObject* alici = hedef.data();
        if (!alici)
            return;
        QMetaObject::invokeMethod(
            alici,
            [devam = std::move(devam), hata]() {
                if (devam)
                    devam();
                if (hata)
                    std::rethrow_exception(hata);
            },
            Qt::QueuedConnection);
    });
}

void ArayuzdeCalistir(const std::function<void()>& is) {
    QCoreApplication* uygulama = QCoreApplication::instance();
    if (!uygulama || QThread::currentThread() == uygulama->thread()) {
        is();
        return;
    }
    std::exception_ptr hata;
    QMetaObject::invokeMethod(
        uygulama,
        [&] {
            try {
                is();
            } catch (...) {
                hata = std::current_exception();
            }
        },
        Qt::BlockingQueuedConnection);
    if (hata)
        std::rethrow_exception(hata);
}
