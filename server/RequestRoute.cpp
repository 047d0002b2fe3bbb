#include "RequestRoute.h"

#include <ProtokolSabitleri.h>

#include <QUrl>

RequestRoute RequestRoute::of(const HttpRequest& request)
{
    RequestRoute r;
    const QString path = QUrl::fromPercentEncoding(request.rawPath);
    const QString base = QStringLiteral("/") + QLatin1String(protokol::kDatasnapContext) + QLatin1String(protokol::kRestYolu);
    if (!path.startsWith(base)) {
        r.type = Type::Web;
        QString p = path;
        while (p.endsWith(u'/') && p.size() > 1)
            p.chop(1);
        r.name = p.section(u'/', -1);
        return r;
    }
    QString rest = path.mid(base.size());
    while (rest.endsWith(u'/'))
        rest.chop(1);
    if (rest == QStringLiteral("DSAdmin/GetPlatformName")) {
        r.type = Type::Platform;
        r.name = QStringLiteral("GetPlatformName");
        return r;
    }
    if (rest == QStringLiteral("CloseSession")) {
        r.type = Type::CloseSession;
        r.name = QStringLiteral("CloseSession");
        return r;
    }
    const QString cls = QLatin1String(protokol::kSunucuSinifi) + u'/';
    if (rest.startsWith(cls)) {
        QString name = rest.mid(cls.size()).section(u'/', 0, 0);
        if (name.size() >= 2 && name.startsWith(u'"') && name.endsWith(u'"')) {
            name = name.mid(1, name.size() - 2);
        } else if (request.method == "POST") {
            name.prepend(QStringLiteral("update"));
        } else if (request.method == "PUT") {
            name.prepend(QStringLiteral("accept"));
        } else if (request.method == "DELETE") {
            name.prepend(QStringLiteral("cancel"));
        }
        r.type = Type::Method;
        r.name = name;
        return r;
    }
    return r;
}

QString RequestRoute::faultKey() const
{
    return name;
}
