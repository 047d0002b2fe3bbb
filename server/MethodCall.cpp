#include "MethodCall.h"

#include <QJsonObject>

MethodCall::MethodCall(QString method, QJsonArray parameters, QHostAddress peer)
    : method_(std::move(method)), parameters_(std::move(parameters)), peer_(std::move(peer))
{
}

QString MethodCall::check(const QString& signature, const QJsonArray& parameters)
{
    if (parameters.size() != signature.size())
        return QStringLiteral("Parametre sayısı hatalı: %1 bekleniyordu, %2 geldi")
            .arg(signature.size())
            .arg(parameters.size());
    for (int i = 0; i < signature.size(); ++i) {
        const QJsonValue v = parameters.at(i);
        bool ok = false;
        switch (signature.at(i).toLatin1()) {
        case 'i': {
            const double d = v.toDouble();
            ok = v.isDouble() && d == double(qint64(d)) && d >= -2147483648.0 && d <= 2147483647.0;
            break;
        }
        case 'd': ok = v.isDouble(); break;
        case 's': ok = v.isString(); break;
        case 'b': ok = v.isBool(); break;
        case 'o': ok = v.isNull() || (v.isObject() && v.toObject().value(QLatin1String("fields")).isObject()); break;
        }
        if (!ok)
            return QStringLiteral("Parametre %1 türü hatalı").arg(i);
    }
    return {};
}

int MethodCall::integer(int index) const { return int(parameters_.at(index).toDouble()); }
double MethodCall::real(int index) const { return parameters_.at(index).toDouble(); }
QString MethodCall::text(int index) const { return parameters_.at(index).toString(); }
bool MethodCall::boolean(int index) const { return parameters_.at(index).toBool(); }
SonucBilgisi MethodCall::record(int index) const { return SonucBilgisi::fromJson(parameters_.at(index)); }
