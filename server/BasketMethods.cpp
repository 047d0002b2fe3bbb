#include "BasketMethods.h"
#include "CustomerTerms.h"
#include "DemoDatabase.h"
#include "DemoDate.h"
#include "DemoTransaction.h"
#include "LineTable.h"
#include "MethodRegistry.h"

#include <cmath>

using namespace protokol;

namespace {

bool validQuantity(double v)
{
    return std::isfinite(v) && v > 0 && v < 1e7;
}

bool validRate(double v)
{
    return std::isfinite(v) && v >= 0 && v <= 100;
}

bool validPrice(double v)
{
    return std::isfinite(v) && v >= 0 && v < 1e9;
}

DataSnapTable choiceTable(const DemoDatabase& db, const QString& sql, const QVariantList& binds = {})
{
    DataSnapTable t{{"SIRANO", DbxInt32}, {"ADI", DbxWideString, 50}};
    QSqlQuery q = db.exec(sql, binds);
    t.appendQuery(q);
    return t;
}

} // namespace

QString BasketMethods::userName(int sirano, const QString& fallback) const
{
    const QVariant name = ctx_.db->scalar(QStringLiteral("SELECT ADI FROM kullanici WHERE SIRANO=?"), {sirano});
    return name.isValid() ? name.toString() : fallback;
}

void BasketMethods::registerMethods(MethodRegistry& registry)
{
    registry.add(QStringLiteral("SepetVerOrvak"), QStringLiteral("i"), [this](const MethodCall& call) {
        const int carino = call.integer(0);
        const CustomerTerms terms = CustomerTerms::load(*ctx_.db, carino);
        QSqlQuery q = ctx_.db->exec(
            QStringLiteral("SELECT b.SIRANO,b.STOKNO,b.BARKOD,b.STOKADI,b.MIKTAR,b.BIRIMFIYAT,b.KDV,b.IND1,b.IND2,b.IND3,"
                           "b.IND4,b.VERENID,b.VEREN,b.TARIH,b.SEC,b.ACIKLAMA,")
                + LineTable::stockSelect(QStringLiteral("s"))
                + QStringLiteral(" FROM sepet b LEFT JOIN stok s ON s.STOK_STOKNO=b.STOKNO WHERE b.CARINO=? ORDER BY b.SIRANO"),
            {carino});
        LineTable table(LineTable::Kind::Basket);
        while (q.next()) {
            LineTable::Line l;
            l.sirano = q.value(0).toInt();
            l.carino = carino;
            l.stokno = q.value(1).toInt();
            l.barkod = q.value(2).toString();
            l.stokadi = q.value(3).toString();
            l.miktar = q.value(4).toDouble();
            l.birimFiyat = q.value(5).toDouble();
            l.kdv = q.value(6).toDouble();
            l.ind = {q.value(7).toDouble(), q.value(8).toDouble(), q.value(9).toDouble(), q.value(10).toDouble()};
            l.verenId = q.value(11).toInt();
            l.veren = q.value(12).toString();
            l.verilis = l.tarih = DemoDate::parse(q.value(13).toString());
            l.sec = q.value(14).toInt();
            l.aciklama = q.value(15).toString();
            l.carikod = terms.carikod;
            l.cariadi = terms.cariadi;
            LineTable::readStock(q, 16, l);
            table.append(l);
        }
        return MethodResult::table(table.table());
    });

    registry.add(QStringLiteral("SepetEkle2"), QStringLiteral("oiissddddiiddd"), [this](const MethodCall& call) {
        const SonucBilgisi bilgi = call.record(0);
        const int carino = call.integer(1), stokno = call.integer(2), verenid = call.integer(9), k = call.integer(10);
        const double miktar = call.real(5), kdv = call.real(6), fiyat = call.real(7);
        const PriceCalculator::Chain ind{call.real(8), call.real(11), call.real(12), call.real(13)};
        if (!CustomerTerms::load(*ctx_.db, carino).exists || !validQuantity(miktar) || !validPrice(fiyat)
            || !validRate(kdv) || !std::all_of(ind.begin(), ind.end(), validRate))
            return MethodResult::integer(0);
        QSqlQuery stock = ctx_.db->exec(QStringLiteral("SELECT BARKOD,ADI FROM stok WHERE STOK_STOKNO=?"), {stokno});
        if (!stock.next())
            return MethodResult::integer(0);
        const QString barkod = call.text(3).isEmpty() ? stock.value(0).toString() : call.text(3);
        const QString stokadi = call.text(4).isEmpty() ? stock.value(1).toString() : call.text(4);
        const QString veren = userName(verenid, bilgi.FADI);
        DemoTransaction tx(*ctx_.db);
        // One line per part: adding a part that is already there adds to its quantity.
        const QVariant existing = ctx_.db->scalar(
            QStringLiteral("SELECT SIRANO FROM sepet WHERE CARINO=? AND STOKNO=? ORDER BY SIRANO LIMIT 1"), {carino, stokno});
        if (existing.isValid()) {
            ctx_.db->exec(QStringLiteral("UPDATE sepet SET MIKTAR=MIKTAR+?,BIRIMFIYAT=?,KDV=?,IND1=?,IND2=?,IND3=?,IND4=?,"
                                         "K=?,VERENID=?,VEREN=?,TARIH=? WHERE SIRANO=?"),
                          {miktar, fiyat, kdv, ind[0], ind[1], ind[2], ind[3], k, verenid, veren, DemoDate::now(), existing});
        } else {
            ctx_.db->exec(QStringLiteral("INSERT INTO sepet(CARINO,STOKNO,BARKOD,STOKADI,MIKTAR,BIRIMFIYAT,KDV,IND1,IND2,IND3,"
                                         "IND4,K,VERENID,VEREN,TARIH,SEC,ACIKLAMA) VALUES(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,0,'')"),
                          {carino, stokno, barkod, stokadi, miktar, fiyat, kdv, ind[0], ind[1], ind[2], ind[3], k, verenid,
                           veren, DemoDate::now()});
        }
        tx.commit();
        return MethodResult::integer(1);
    });

    registry.add(QStringLiteral("SepetGuncelle2"), QStringLiteral("oiissddddiiddd"), [this](const MethodCall& call) {
        const SonucBilgisi bilgi = call.record(0);
        const int carino = call.integer(1), verenid = call.integer(9), sirano = call.integer(10);
        const double miktar = call.real(5), kdv = call.real(6), fiyat = call.real(7);
        const PriceCalculator::Chain ind{call.real(8), call.real(11), call.real(12), call.real(13)};
        if (!validQuantity(miktar) || !validPrice(fiyat) || !validRate(kdv)
            || !std::all_of(ind.begin(), ind.end(), validRate))
            return MethodResult::integer(0);
        QSqlQuery q = ctx_.db->exec(QStringLiteral("UPDATE sepet SET MIKTAR=?,BIRIMFIYAT=?,KDV=?,IND1=?,IND2=?,IND3=?,IND4=?,"
                                                   "VERENID=?,VEREN=?,TARIH=? WHERE SIRANO=? AND CARINO=?"),
                                    {miktar, fiyat, kdv, ind[0], ind[1], ind[2], ind[3], verenid,
                                     userName(verenid, bilgi.FADI), DemoDate::now(), sirano, carino});
        return MethodResult::integer(q.numRowsAffected() > 0 ? 1 : 0);
    });

    registry.add(QStringLiteral("SepetHepsiniSil"), QStringLiteral("o"), [this](const MethodCall& call) {
        const SonucBilgisi bilgi = call.record(0);
        DemoTransaction tx(*ctx_.db);
        ctx_.db->exec(QStringLiteral("INSERT INTO sepet_silinen(SEPETSIRANO,CARINO,STOKNO,BARKOD,STOKADI,MIKTAR,NOTU,SILENID,"
                                     "TARIH,TUMU) SELECT SIRANO,CARINO,STOKNO,BARKOD,STOKADI,MIKTAR,'',?,?,1 FROM sepet"
                                     " WHERE CARINO=?"),
                      {bilgi.FSirano, DemoDate::now(), bilgi.FCARINO});
        QSqlQuery q = ctx_.db->exec(QStringLiteral("DELETE FROM sepet WHERE CARINO=?"), {bilgi.FCARINO});
        const int deleted = q.numRowsAffected();
        tx.commit();
        return MethodResult::integer(deleted > 0 ? 1 : 0);
    });

    registry.add(QStringLiteral("SepetSatirSil"), QStringLiteral("ois"), [this](const MethodCall& call) {
        const SonucBilgisi bilgi = call.record(0);
        const int sirano = call.integer(1);
        DemoTransaction tx(*ctx_.db);
        ctx_.db->exec(QStringLiteral("INSERT INTO sepet_silinen(SEPETSIRANO,CARINO,STOKNO,BARKOD,STOKADI,MIKTAR,NOTU,SILENID,"
                                     "TARIH,TUMU) SELECT SIRANO,CARINO,STOKNO,BARKOD,STOKADI,MIKTAR,?,?,?,0 FROM sepet"
                                     " WHERE SIRANO=? AND CARINO=?"),
                      {call.text(2), bilgi.FSirano, DemoDate::now(), sirano, bilgi.FCARINO});
        QSqlQuery q = ctx_.db->exec(QStringLiteral("DELETE FROM sepet WHERE SIRANO=? AND CARINO=?"), {sirano, bilgi.FCARINO});
        const int deleted = q.numRowsAffected();
        tx.commit();
        return MethodResult::integer(deleted > 0 ? 1 : 0);
    });

    registry.add(QStringLiteral("SepetSecimGuncelle"), QStringLiteral("ii"), [this](const MethodCall& call) {
        ctx_.db->exec(QStringLiteral("UPDATE sepet SET SEC=? WHERE SIRANO=?"), {call.integer(1) == 1 ? 1 : 0, call.integer(0)});
        return MethodResult::none();
    });

    registry.add(QStringLiteral("TeslimVer"), QString(), [this](const MethodCall&) {
        return MethodResult::table(choiceTable(*ctx_.db, QStringLiteral("SELECT ID,ADI FROM teslim ORDER BY ID")));
    });

    registry.add(QStringLiteral("KargoVer"), QString(), [this](const MethodCall&) {
        return MethodResult::table(choiceTable(*ctx_.db, QStringLiteral("SELECT ID,ADI FROM gonderim ORDER BY ID")));
    });

    registry.add(QStringLiteral("KargolarVer"), QStringLiteral("i"), [this](const MethodCall& call) {
        DataSnapTable t{{"SIRANO", DbxInt32}, {"ADI", DbxWideString, 50}, {"UYARI", DbxWideString, 250},
                        {"GONDERIMID", DbxInt32}};
        QSqlQuery q = ctx_.db->exec(
            QStringLiteral("SELECT SIRANO,ADI,UYARI,GONDERIMID FROM kargofirma WHERE GONDERIMID=? ORDER BY SIRANO"),
            {call.integer(0)});
        t.appendQuery(q);
        return MethodResult::table(t);
    });

    registry.add(QStringLiteral("SiparisKaydet"), QStringLiteral("oiiisii"), [this](const MethodCall& call) {
        const SonucBilgisi bb = call.record(0);
        const int verenid = call.integer(5);
        return MethodResult::boolean(saveOrder(call.integer(1), call.integer(2), call.integer(3), call.integer(6),
                                               call.text(4), verenid, userName(verenid, bb.FADI)));
    });
}

bool BasketMethods::saveOrder(int carino, int teslim, int gonderim, int firma, const QString& aciklama, int verenid,
                              const QString& veren)
{
    DemoDatabase& db = *ctx_.db;
    if (!db.scalar(QStringLiteral("SELECT 1 FROM teslim WHERE ID=?"), {teslim}).isValid()
        || !db.scalar(QStringLiteral("SELECT 1 FROM kargofirma WHERE SIRANO=? AND GONDERIMID=?"), {firma, gonderim}).isValid())
        return false;
    DemoTransaction tx(db);
    if (db.scalar(QStringLiteral("SELECT COUNT(*) FROM sepet WHERE CARINO=? AND SEC=1"), {carino}).toInt() == 0)
        return false;
    const QString now = DemoDate::now();
    QSqlQuery ins = db.exec(QStringLiteral("INSERT INTO siparis(CARINO,TARIH,TESLIMID,GONDERIMID,KARGOFIRMAID,ACIKLAMA,"
                                           "VERENID,VEREN,DURUM,BIZIMMESAJ,SATICINOTU) VALUES(?,?,?,?,?,?,?,?,2,'','')"),
                            {carino, now, teslim, gonderim, firma, aciklama, verenid, veren});
    const int idno = ins.lastInsertId().toInt();
    db.exec(QStringLiteral("INSERT INTO siparis_satir(IDNO,SEPETSIRANO,STOKNO,BARKOD,STOKADI,MIKTAR,TESLIMEDILEN,IPTAL,"
                           "BIRIMFIYAT,ILKFIYAT,KDV,IND1,IND2,IND3,IND4,VERENID,VEREN,TARIH,ACIKLAMA)"
                           " SELECT ?,SIRANO,STOKNO,BARKOD,STOKADI,MIKTAR,0,0,BIRIMFIYAT,BIRIMFIYAT,KDV,IND1,IND2,IND3,IND4,"
                           "VERENID,VEREN,TARIH,ACIKLAMA FROM sepet WHERE CARINO=? AND SEC=1 ORDER BY SIRANO"),
            {idno, carino});
    db.exec(QStringLiteral("DELETE FROM sepet WHERE CARINO=? AND SEC=1"), {carino});
    tx.commit();
    return true;
}
