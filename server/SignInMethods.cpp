#include "SignInMethods.h"
#include "DataSnapObject.h"
#include "DemoDatabase.h"
#include "DemoHesaplar.h"
#include "MethodRegistry.h"

#include <QDateTime>

SonucBilgisi SignInMethods::recordFor(const QString& idsi)
{
    SonucBilgisi r;
    r.FBILGISAYARID = idsi;
    r.FVersion = demohesap::kIstemciSurumu;
    if (idsi.trimmed().isEmpty())
        return r;
    QSqlQuery q = ctx_.db->exec(
        QStringLiteral("SELECT k.SIRANO,k.ADI,k.SIFRE,k.MAIL,k.CARINO,k.MUSTERITIPI,k.AKTIF,k.VERSION,"
                       " c.CARIADI,c.CARIKOD,s.SATICINO,s.ADI,s.TELEFON,s.MAIL FROM kullanici k"
                       " LEFT JOIN cari c ON c.CARINO=k.CARINO LEFT JOIN satici s ON s.SATICINO=k.SATICINO"
                       " WHERE k.BILGISAYARID=?"),
        {idsi});
    if (!q.next()) {
        if (!ctx_.options.registerAnyWorkstation)
            return r;
        registerWorkstation(idsi);
        return recordFor(idsi);
    }
    r.FSirano = q.value(0).toInt();
    r.FADI = q.value(1).toString();
    r.FSIFRE = q.value(2).toString();
    r.FKullanicimail = q.value(3).toString();
    r.FCARINO = q.value(4).toInt();
    r.FMusteriTipi = q.value(5).toInt();
    r.FAKTIF = q.value(6).toInt();
    r.FVersion = q.value(7).toInt();
    r.FCariAdi = q.value(8).toString();
    r.Fcarikod = q.value(9).toString();
    r.FSaticiNo = q.value(10).toInt();
    r.FSaticiAdi = q.value(11).toString();
    r.FSaticiTelefon = q.value(12).toString();
    r.FSaticiMail = q.value(13).toString();
    r.FVarmi = true;
    return r;
}

int SignInMethods::registerWorkstation(const QString& idsi)
{
    using namespace demohesap;
    const int sirano = std::max(1000, ctx_.db->scalar(QStringLiteral("SELECT MAX(SIRANO) FROM kullanici")).toInt() + 1);
    const int rep = ctx_.db->scalar(QStringLiteral("SELECT SATICINO FROM cari WHERE CARINO=?"), {kYeniCarino}).toInt();
    ctx_.db->exec(QStringLiteral("INSERT INTO kullanici(SIRANO,BILGISAYARID,ADI,SIFRE,MAIL,CARINO,SATICINO,MUSTERITIPI,"
                                 "AKTIF,VERSION,KAYITTARIHI) VALUES(?,?,?,?,?,?,?,?,1,?,?)"),
                  {sirano, idsi, QString::fromLatin1(kYeniKullanici), QString::fromLatin1(kYeniSifre),
                   QStringLiteral("demo@telmira-demo.com.tr"), kYeniCarino, rep, kYeniMusteriTipi, kIstemciSurumu,
                   QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"))});
    return sirano;
}

void SignInMethods::registerMethods(MethodRegistry& registry)
{
    registry.add(QStringLiteral("BuyukGetir"), QStringLiteral("s"), [this](const MethodCall& call) {
        return MethodResult::object(recordFor(call.text(0)).toObject());
    });

    registry.add(QStringLiteral("MobilCariBilgisiGetir"), QStringLiteral("is"), [this](const MethodCall& call) {
        // The client sends 0 and the identity; a positive user number is honoured too.
        const int sirano = call.integer(0);
        const QString idsi = call.text(1);
        QSqlQuery q = ctx_.db->exec(
            QStringLiteral("SELECT k.BILGISAYARID,c.SEHIR,c.FAX1,s.MAIL,s.ADI,c.CARIADI,c.EMAIL,c.VERGIDAIRESI,c.YETKILI,"
                           " c.ALTGRUP,c.TEL2,k.SIFRE,c.GSM,c.TEL1,c.ADRES2,c.ADRES1,c.ULKE,c.ANAGRUP,c.CARINO,"
                           " c.VERGINO,k.MAIL,c.OZELKOD,k.ADI,s.TELEFON,c.CARIKOD,c.FAX2,c.ILCE FROM kullanici k"
                           " JOIN cari c ON c.CARINO=k.CARINO LEFT JOIN satici s ON s.SATICINO=k.SATICINO"
                           " WHERE (?>0 AND k.SIRANO=?) OR (?<=0 AND k.BILGISAYARID=?)"),
            {sirano, sirano, sirano, idsi});
        if (!q.next())
            return MethodResult::nullObject();
        const int carino = q.value(18).toInt();
        const double borc = ctx_.db->scalar(QStringLiteral("SELECT COALESCE(SUM(BORC),0) FROM ekstre_ozet WHERE CARINO=?"),
                                            {carino}).toDouble();
        const double alacak = ctx_.db->scalar(QStringLiteral("SELECT COALESCE(SUM(ALACAK),0) FROM ekstre_ozet WHERE CARINO=?"),
                                              {carino}).toDouble();
        DataSnapObject o(QStringLiteral("mobilstokunit.TMobilCariBilgisi"));
        o.text("FBILGISAYARID", q.value(0).toString())
            .text("FSEHIR", q.value(1).toString())
            .text("FFAX1", q.value(2).toString())
            .text("FSATICIMAIL", q.value(3).toString())
            .text("FSATICIADI", q.value(4).toString())
            .text("FCARIADI", q.value(5).toString())
            .text("FEMAIL", q.value(6).toString())
            .text("FVERGIDAIRESI", q.value(7).toString())
            .text("FYETKILI", q.value(8).toString())
            .text("FAltGrup", q.value(9).toString())
            .text("FTEL2", q.value(10).toString())
            .text("FSIFRE", q.value(11).toString())
            .text("FGSM", q.value(12).toString())
            .text("FTEL1", q.value(13).toString())
            .text("FADRES2", q.value(14).toString())
            .real("FTLBORC", borc)
            .real("FTLALACAK", alacak)
            .text("FADRES1", q.value(15).toString())
            .text("FULKE", q.value(16).toString())
            .text("FAnaGrup", q.value(17).toString())
            .integer("FCARINO", carino)
            .real("FTLBAKIYE", borc - alacak)
            .text("FVERGINO", q.value(19).toString())
            .text("FMAIL", q.value(20).toString())
            .text("FOzelKod", q.value(21).toString())
            .text("FKULLANICIADI", q.value(22).toString())
            .text("FSATICITELEFON", q.value(23).toString())
            .text("FCARIKOD", q.value(24).toString())
            .text("FFAX2", q.value(25).toString())
            .text("FILCE", q.value(26).toString());
        return MethodResult::object(o);
    });
}
