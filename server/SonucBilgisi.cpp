#include "SonucBilgisi.h"
#include "DataSnapObject.h"
#include "DemoError.h"

#include <QJsonObject>

namespace {

const QString kType = QStringLiteral("baglantiu.TSonucBilgisi");

void read(const QJsonObject& f, const char* name, QString& out)
{
    const QJsonValue v = f.value(QLatin1String(name));
    if (v.isUndefined() || v.isNull())
        return;
    if (!v.isString())
        throw DemoError(QStringLiteral("TSonucBilgisi.%1 metin olmalı").arg(QLatin1String(name)));
    out = v.toString();
}

void read(const QJsonObject& f, const char* name, int& out)
{
    const QJsonValue v = f.value(QLatin1String(name));
    if (v.isUndefined() || v.isNull())
        return;
    const double d = v.toDouble();
    if (!v.isDouble() || d != double(qint64(d)) || d < -2147483648.0 || d > 2147483647.0)
        throw DemoError(QStringLiteral("TSonucBilgisi.%1 tamsayı olmalı").arg(QLatin1String(name)));
    out = int(d);
}

void read(const QJsonObject& f, const char* name, bool& out)
{
    const QJsonValue v = f.value(QLatin1String(name));
    if (v.isUndefined() || v.isNull())
        return;
    if (!v.isBool())
        throw DemoError(QStringLiteral("TSonucBilgisi.%1 mantıksal olmalı").arg(QLatin1String(name)));
    out = v.toBool();
}

} // namespace

SonucBilgisi SonucBilgisi::fromJson(const QJsonValue& value)
{
    SonucBilgisi r;
    if (value.isNull())
        return r;
    const QJsonObject o = value.toObject();
    if (!value.isObject() || !o.value(QLatin1String("fields")).isObject())
        throw DemoError(QStringLiteral("TSonucBilgisi nesnesi beklendi"));
    const QJsonObject f = o.value(QLatin1String("fields")).toObject();
    read(f, "FBILGISAYARID", r.FBILGISAYARID);
    read(f, "FSaticiMail", r.FSaticiMail);
    read(f, "FSirano", r.FSirano);
    read(f, "FCariAdi", r.FCariAdi);
    read(f, "FSIFRE", r.FSIFRE);
    read(f, "FSaticiNo", r.FSaticiNo);
    read(f, "FCARINO", r.FCARINO);
    read(f, "FAKTIF", r.FAKTIF);
    read(f, "FKullanicimail", r.FKullanicimail);
    read(f, "FADI", r.FADI);
    read(f, "FSaticiTelefon", r.FSaticiTelefon);
    read(f, "Fcarikod", r.Fcarikod);
    read(f, "FVarmi", r.FVarmi);
    read(f, "FSaticiAdi", r.FSaticiAdi);
    read(f, "FBilgiSayarAdi", r.FBilgiSayarAdi);
    read(f, "FDisip", r.FDisip);
    read(f, "FIcip", r.FIcip);
    read(f, "FBilgisayarKullanici", r.FBilgisayarKullanici);
    read(f, "FMusteriTipi", r.FMusteriTipi);
    read(f, "FVersion", r.FVersion);
    return r;
}

DataSnapObject SonucBilgisi::toObject() const
{
    DataSnapObject o(kType);
    o.text("FBILGISAYARID", FBILGISAYARID)
        .text("FSaticiMail", FSaticiMail)
        .integer("FSirano", FSirano)
        .text("FCariAdi", FCariAdi)
        .text("FSIFRE", FSIFRE)
        .integer("FSaticiNo", FSaticiNo)
        .integer("FCARINO", FCARINO)
        .integer("FAKTIF", FAKTIF)
        .text("FKullanicimail", FKullanicimail)
        .text("FADI", FADI)
        .text("FSaticiTelefon", FSaticiTelefon)
        .text("Fcarikod", Fcarikod)
        .boolean("FVarmi", FVarmi)
        .text("FSaticiAdi", FSaticiAdi)
        .text("FBilgiSayarAdi", FBilgiSayarAdi)
        .text("FDisip", FDisip)
        .text("FIcip", FIcip)
        .text("FBilgisayarKullanici", FBilgisayarKullanici)
        .integer("FMusteriTipi", FMusteriTipi)
        .integer("FVersion", FVersion);
    return o;
}
