#include "ContentMethods.h"
#include "DataSnapObject.h"
#include "DataSnapTable.h"
#include "DemoDatabase.h"
#include "JsonText.h"
#include "MediaStore.h"
#include "MethodRegistry.h"

using namespace protokol;

namespace {

DataSnapObject screenObject(const QSqlQuery& q, MediaStore& media)
{
    DataSnapObject o(QStringLiteral("mobilstokunit.TAcilisEkran"));
    o.integer("FSiraNo", q.value(1).toInt())
        .text("FResim", QString::fromLatin1(media.screenPicture(q.value(0).toInt()).toHex().toUpper()))
        .text("FBaslik", q.value(2).toString())
        .text("FArama", q.value(3).toString());
    return o;
}

} // namespace

void ContentMethods::registerMethods(MethodRegistry& registry)
{
    registry.add(QStringLiteral("KayanYaziGetir"), QString(), [this](const MethodCall&) {
        return MethodResult::text(ctx_.db->scalar(QStringLiteral("SELECT DEGER FROM ayar WHERE ANAHTAR='KAYANYAZI'")).toString());
    });

    const QStringList banners = {QStringLiteral("BannerResimVer"), QStringLiteral("BannerResimVer2"),
                                 QStringLiteral("BannerResimVer3")};
    for (int i = 0; i < banners.size(); ++i)
        registry.add(banners[i], QString(), [this, i](const MethodCall&) {
            return MethodResult::stream(ctx_.media->banner(i + 1));
        });

    registry.add(QStringLiteral("BalonGetir"), QStringLiteral("o"), [this](const MethodCall& call) {
        const SonucBilgisi bil = call.record(0);
        DemoDatabase& db = *ctx_.db;
        const int sepet = db.scalar(QStringLiteral("SELECT COUNT(*) FROM sepet WHERE CARINO=?"), {bil.FCARINO}).toInt();
        const int yeni = db.scalar(QStringLiteral("SELECT COUNT(*) FROM stok WHERE Y=1")).toInt();
        const int kampanya = bil.FMusteriTipi == 4
            ? 0
            : db.scalar(QStringLiteral("SELECT COUNT(*) FROM stok WHERE K>0 AND KAMPFIYAT>0")).toInt();
        const int duyuru = db.scalar(QStringLiteral("SELECT COUNT(*) FROM ekran")).toInt();
        const double bakiye = db.scalar(QStringLiteral("SELECT COUNT(*) FROM siparis_satir l JOIN siparis o ON o.IDNO=l.IDNO"
                                                       " WHERE o.CARINO=? AND l.MIKTAR-l.TESLIMEDILEN-l.IPTAL>0.0001"),
                                        {bil.FCARINO})
                                  .toDouble();
        DataSnapTable t{{"SEPET", DbxInt32}, {"YENI", DbxInt32}, {"KAMPANYA", DbxInt32}, {"DUYURU", DbxInt32},
                        {"BAKIYE", DbxDouble}};
        t.appendRow({sepet, yeni, kampanya, duyuru, bakiye});
        return MethodResult::table(t);
    });

    registry.add(QStringLiteral("AcilisReklamAdet"), QString(), [this](const MethodCall&) {
        return MethodResult::integer(ctx_.db->scalar(QStringLiteral("SELECT COUNT(*) FROM ekran")).toInt());
    });

    registry.add(QStringLiteral("AcilisREklamVer"), QStringLiteral("i"), [this](const MethodCall& call) {
        // sira counts from 0 in display order; outside the list there is no advertisement.
        QSqlQuery q = ctx_.db->exec(QStringLiteral("SELECT SIRANO,SIRA,BASLIK,ARAMA FROM ekran ORDER BY SIRA,SIRANO"
                                                   " LIMIT 1 OFFSET ?"),
                                    {std::max(0, call.integer(0))});
        if (call.integer(0) < 0 || !q.next())
            return MethodResult::nullObject();
        return MethodResult::object(screenObject(q, *ctx_.media));
    });

    registry.add(QStringLiteral("AcilisEkranlarVer2"), QString(), [this](const MethodCall&) {
        QSqlQuery q = ctx_.db->exec(QStringLiteral("SELECT SIRANO,SIRA,BASLIK,ARAMA FROM ekran ORDER BY SIRA,SIRANO"));
        QList<DataSnapObject> list;
        while (q.next())
            list.append(screenObject(q, *ctx_.media));
        DataSnapObject all(QStringLiteral("mobilstokunit.TAcilisEkranlariki"));
        all.objects("FEkranlar", list);
        return MethodResult::object(all);
    });

    registry.add(QStringLiteral("DosyaListesi2"), QString(), [this](const MethodCall&) {
        DataSnapTable t{{"SIRANO", DbxInt32}, {"ACIKLAMA", DbxWideString, 100}, {"DOSYAYOL", DbxWideString, 200},
                        {"TUR", DbxInt32}, {"ILERI", DbxInt32}};
        QSqlQuery q = ctx_.db->exec(QStringLiteral("SELECT SIRANO,ACIKLAMA,DOSYAYOL,0,0 FROM belge ORDER BY SIRANO"));
        t.appendQuery(q);
        return MethodResult::table(t);
    });

    registry.add(QStringLiteral("BelgeIndir"), QStringLiteral("i"), [this](const MethodCall& call) {
        QString name;
        const QByteArray bytes = ctx_.media->document(call.integer(0), &name);
        return MethodResult::stream(bytes, {JsonText::string(name)});
    });
}
