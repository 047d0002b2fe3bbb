#include "DemoFaultParser.h"

bool DemoFaultParser::parse(const QString& spec, QString* method, DemoFault* fault, QString* error)
{
    const qsizetype colon = spec.indexOf(u':');
    const QString name = (colon < 0 ? spec : spec.left(colon)).trimmed();
    if (name.isEmpty()) {
        *error = QStringLiteral("yöntem adı eksik: %1").arg(spec);
        return false;
    }
    DemoFault f;
    QString rest = colon < 0 ? QString() : spec.mid(colon + 1);
    while (!rest.isEmpty()) {
        if (rest.startsWith(QStringLiteral("error="))) {
            f.errorMessage = rest.mid(6);
            if (f.errorMessage.isEmpty()) {
                *error = QStringLiteral("error= boş olamaz");
                return false;
            }
            break;
        }
        const qsizetype comma = rest.indexOf(u',');
        const QString item = (comma < 0 ? rest : rest.left(comma)).trimmed();
        rest = comma < 0 ? QString() : rest.mid(comma + 1);
        if (item.isEmpty())
            continue;
        const QString key = item.section(u'=', 0, 0).trimmed();
        const QString value = item.section(u'=', 1).trimmed();
        bool ok = true;
        if (key == QStringLiteral("delay"))
            f.delayMs = value.toInt(&ok), ok = ok && f.delayMs >= 0;
        else if (key == QStringLiteral("stream"))
            f.streamSizeDelta = value.toInt(&ok);
        else if (key == QStringLiteral("times"))
            f.times = value.toInt(&ok), ok = ok && (f.times > 0 || f.times == -1);
        else if (key == QStringLiteral("malformed") && value.isEmpty())
            f.malformedJson = true;
        else if (key == QStringLiteral("drop") && value.isEmpty())
            f.dropConnection = true;
        else
            ok = false;
        if (!ok) {
            *error = QStringLiteral("anlaşılmayan hata tanımı: %1").arg(item);
            return false;
        }
    }
    *method = name;
    *fault = f;
    return true;
}
