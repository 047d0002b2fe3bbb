#include "WebEndpoints.h"

#include <QHostAddress>

HttpResponse WebEndpoints::handle(const QString& name, const HttpRequest& request)
{
    if (name == QStringLiteral("ip")) {
        HttpResponse r;
        bool ok = false;
        const quint32 v4 = request.peer.toIPv4Address(&ok);
        r.contentType = "text/plain; charset=utf-8";
        r.body = ok ? QHostAddress(v4).toString().toLatin1() : QByteArrayLiteral("127.0.0.1");
        return r;
    }
    Q_UNUSED(ctx_);
    return HttpResponse::error(404, QStringLiteral("Sayfa bulunamadı: %1").arg(name));
}
