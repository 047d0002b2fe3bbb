#include "OrderMethods.h"
#include "CustomerTerms.h"
#include "DataSnapObject.h"
#include "DemoDatabase.h"
#include "DemoDate.h"
#include "DemoTransaction.h"
#include "MethodRegistry.h"
#include "OrderState.h"

#include <cmath>

using namespace protokol;

namespace {

const QString kLineSelect = QStringLiteral(
    "SELECT l.SIRANO,l.IDNO,l.STOKNO,l.BARKOD,l.STOKADI,l.MIKTAR,l.TESLIMEDILEN,l.IPTAL,l.BIRIMFIYAT,l.ILKFIYAT,l.KDV,"
    "l.IND1,l.IND2,l.IND3,l.IND4,l.VERENID,l.VEREN,l.TARIH,l.ACIKLAMA,o.TARIH,o.TESLIMID,o.GONDERIMID,t.ADI,g.ADI,");

const QString kLineFrom = QStringLiteral(
    " FROM siparis_satir l JOIN siparis o ON o.IDNO=l.IDNO LEFT JOIN stok s ON s.STOK_STOKNO=l.STOKNO"
    " LEFT JOIN teslim t ON t.ID=o.TESLIMID LEFT JOIN gonderim g ON g.ID=o.GONDERIMID WHERE o.CARINO=? AND ");

} // namespace

DataSnapTable OrderMethods::lines(LineTable::Kind kind, int carino, const QString& where, const QVariantList& binds) const
{
    const CustomerTerms terms = CustomerTerms::load(*ctx_.db, carino);
    QSqlQuery q = ctx_.db->exec(kLineSelect + LineTable::stockSelect(QStringLiteral("s")) + kLineFrom + where
                                    + QStringLiteral(" ORDER BY o.IDNO DESC, l.SIRANO"),
                                QVariantList{carino} + binds);
    LineTable table(kind);
    while (q.next()) {
        LineTable::Line l;
        l.sirano = q.value(0).toInt();
        l.idno = l.siparisNo = q.value(1).toInt();
        l.stokno = q.value(2).toInt();
        l.barkod = q.value(3).toString();
        l.stokadi = q.value(4).toString();
        l.miktar = q.value(5).toDouble();
        l.teslimEdilen = q.value(6).toDouble();
        l.kalan = std::max(0.0, l.miktar - l.teslimEdilen - q.value(7).toDouble());
        l.birimFiyat = q.value(8).toDouble();
        l.ilkFiyat = q.value(9).toDouble();
        l.kdv = q.value(10).toDouble();
        l.ind = {q.value(11).toDouble(), q.value(12).toDouble(), q.value(13).toDouble(), q.value(14).toDouble()};
        l.verenId = q.value(15).toInt();
        l.veren = q.value(16).toString();
        l.tarih = DemoDate::parse(q.value(17).toString());
        // A balance row describes its part in ACIKLAMA (the change dialog shows it as the name).
        l.aciklama = kind == LineTable::Kind::Balance ? l.stokadi : q.value(18).toString();
        l.verilis = DemoDate::parse(q.value(19).toString());
        l.teslimId = q.value(20).toInt();
        l.kargoId = q.value(21).toInt();
        l.teslim = q.value(22).toString();
        l.kargo = q.value(23).toString();
        l.carino = carino;
        l.carikod = terms.carikod;
        l.cariadi = terms.cariadi;
        l.stokharNo = OrderState::stockMovementNo(l.sirano);
        LineTable::readStock(q, 24, l);
        table.append(l);
    }
    return table.table();
}

int OrderMethods::balanceLine(int carino, int sepetsirano, int siparissirano) const
{
    if (OrderState::lineNoOfMovement(siparissirano) != sepetsirano)
        return 0;
    return ctx_.db->scalar(QStringLiteral("SELECT l.SIRANO FROM siparis_satir l JOIN siparis o ON o.IDNO=l.IDNO"
                                          " WHERE l.SIRANO=? AND o.CARINO=?"),
                           {sepetsirano, carino})
        .toInt();
}

void OrderMethods::logChange(const QString& kind, int line, const MethodCall& call, double fiyat, double ind)
{
    ctx_.db->exec(QStringLiteral("INSERT INTO bakiye_hareket(TUR,STOKHAR_NO,SEPETSIRANO,STOKNO,BARKOD,ADET,BAKIYE,FIYAT,IND,"
                                 "KULLANICI,TARIH) VALUES(?,?,?,?,?,?,?,?,?,?,?)"),
                  {kind, call.integer(3), line, call.integer(1), call.text(6), call.real(4), call.real(5), fiyat, ind,
                   call.record(0).FSirano, DemoDate::now()});
}

void OrderMethods::registerMethods(MethodRegistry& registry)
{
    registry.add(QStringLiteral("OncekiSiparisler"), QStringLiteral("i"), [this](const MethodCall& call) {
        const int carino = call.integer(0);
        const CustomerTerms terms = CustomerTerms::load(*ctx_.db, carino);
        DataSnapTable t{{"CARINO", DbxInt32}, {"IDNO", DbxInt32}, {"TARIH", DbxDateTime}, {"KUR", DbxWideString, 5},
                        {"KURTL", DbxDouble}, {"VERENIDNO", DbxInt32}, {"KARGO", DbxWideString, 50},
                        {"TESLIM", DbxWideString, 50}, {"VEREN", DbxWideString, 50}, {"CARIKOD", DbxWideString, 25},
                        {"CARIADI", DbxWideString, 100}, {"VERGI", DbxDouble}, {"NETTUTAR", DbxDouble},
                        {"TUTAR", DbxDouble}, {"DURUM", DbxWideString, 30}, {"KARGOADI", DbxWideString, 50},
                        {"VERENINNOTU", DbxWideString, 250}, {"ALANNOTU", DbxWideString, 250}};
        QSqlQuery q = ctx_.db->exec(
            QStringLiteral("SELECT o.IDNO,o.TARIH,o.VERENID,g.ADI,t.ADI,o.VEREN,o.DURUM,k.ADI,o.ACIKLAMA,o.BIZIMMESAJ"
                           " FROM siparis o LEFT JOIN gonderim g ON g.ID=o.GONDERIMID LEFT JOIN teslim t ON t.ID=o.TESLIMID"
                           " LEFT JOIN kargofirma k ON k.SIRANO=o.KARGOFIRMAID WHERE o.CARINO=? ORDER BY o.IDNO DESC"),
            {carino});
        while (q.next()) {
            PriceCalculator::LineAmounts sum;
            QSqlQuery l = ctx_.db->exec(QStringLiteral("SELECT MIKTAR,BIRIMFIYAT,IND1,IND2,IND3,IND4,KDV FROM siparis_satir"
                                                       " WHERE IDNO=?"),
                                        {q.value(0)});
            while (l.next()) {
                const auto a = PriceCalculator::line(l.value(0).toDouble(), l.value(1).toDouble(),
                                                     {l.value(2).toDouble(), l.value(3).toDouble(), l.value(4).toDouble(),
                                                      l.value(5).toDouble()},
                                                     l.value(6).toDouble());
                sum.tutar += a.tutar;
                sum.netTutar += a.netTutar;
                sum.vergi += a.vergi;
            }
            t.appendRow({carino, q.value(0), DemoDate::parse(q.value(1).toString()), QStringLiteral("TL"), 1.0, q.value(2),
                         q.value(3), q.value(4), q.value(5), terms.carikod, terms.cariadi, PriceCalculator::round2(sum.vergi),
                         PriceCalculator::round2(sum.netTutar), PriceCalculator::round2(sum.tutar),
                         OrderState::name(q.value(6).toInt()), q.value(7), q.value(8), q.value(9)});
        }
        return MethodResult::table(t);
    });

    registry.add(QStringLiteral("SiparisAyrintisi2"), QStringLiteral("ii"), [this](const MethodCall& call) {
        return MethodResult::table(lines(LineTable::Kind::Order, call.integer(0), QStringLiteral("o.IDNO=?"), {call.integer(1)}));
    });

    registry.add(QStringLiteral("SiparisAytintisiDip"), QStringLiteral("ii"), [this](const MethodCall& call) {
        // The client sends 0 as the customer; a positive number must match the order.
        const int carino = call.integer(0);
        QSqlQuery q = ctx_.db->exec(
            QStringLiteral("SELECT o.ACIKLAMA,o.DURUM,o.VEREN,k.ADI,o.BIZIMMESAJ,t.ADI,g.ADI,o.SATICINOTU FROM siparis o"
                           " LEFT JOIN gonderim g ON g.ID=o.GONDERIMID LEFT JOIN teslim t ON t.ID=o.TESLIMID"
                           " LEFT JOIN kargofirma k ON k.SIRANO=o.KARGOFIRMAID WHERE o.IDNO=? AND (?<=0 OR o.CARINO=?)"),
            {call.integer(1), carino, carino});
        if (!q.next())
            return MethodResult::nullObject();
        DataSnapObject o(QStringLiteral("baglantiu.TSiparisDipAyrinti"));
        o.text("FSizinMesaj", q.value(0).toString())
            .text("FDurumu", OrderState::name(q.value(1).toInt()))
            .text("FVeren", q.value(2).toString())
            .text("FKargo", q.value(3).toString())
            .text("FBizimMesaj", q.value(4).toString())
            .text("FTeslimCinsi", q.value(5).toString())
            .text("FKargoCinsi", q.value(6).toString())
            .text("FSaticiNotu", q.value(7).toString());
        return MethodResult::object(o);
    });

    registry.add(QStringLiteral("BakiyelerVer2"), QStringLiteral("i"), [this](const MethodCall& call) {
        return MethodResult::table(lines(LineTable::Kind::Balance, call.integer(0),
                                         QStringLiteral("l.MIKTAR-l.TESLIMEDILEN-l.IPTAL>0.0001"), {}));
    });

    registry.add(QStringLiteral("TumSiparislerVer"), QStringLiteral("ii"), [this](const MethodCall& call) {
        const int stokno = call.integer(1);
        return MethodResult::table(lines(LineTable::Kind::Balance, call.integer(0), QStringLiteral("(?=0 OR l.STOKNO=?)"),
                                         {stokno, stokno}));
    });

    // Cancels what is still outstanding of the line.
    registry.add(QStringLiteral("BakiyeDuzenle"), QStringLiteral("oiiidds"), [this](const MethodCall& call) {
        const int line = balanceLine(call.record(0).FCARINO, call.integer(2), call.integer(3));
        if (!line)
            return MethodResult::integer(0);
        DemoTransaction tx(*ctx_.db);
        ctx_.db->exec(QStringLiteral("UPDATE siparis_satir SET IPTAL=MAX(0,MIKTAR-TESLIMEDILEN) WHERE SIRANO=?"), {line});
        logChange(QStringLiteral("Sil"), line, call, 0, 0);
        tx.commit();
        return MethodResult::integer(1);
    });

    // Sets the outstanding quantity to Bakiye (more than ordered raises the ordered quantity).
    registry.add(QStringLiteral("BakiyeDegistir"), QStringLiteral("oiiidds"), [this](const MethodCall& call) {
        const double yeni = call.real(5);
        const int line = balanceLine(call.record(0).FCARINO, call.integer(2), call.integer(3));
        if (!line || !std::isfinite(yeni) || yeni < 0 || yeni > 1e7)
            return MethodResult::integer(0);
        DemoTransaction tx(*ctx_.db);
        ctx_.db->exec(QStringLiteral("UPDATE siparis_satir SET MIKTAR=MAX(MIKTAR,TESLIMEDILEN+?),"
                                     " IPTAL=MAX(MIKTAR,TESLIMEDILEN+?)-TESLIMEDILEN-? WHERE SIRANO=?"),
                      {yeni, yeni, yeni, line});
        logChange(QStringLiteral("Değiştir"), line, call, 0, 0);
        tx.commit();
        return MethodResult::integer(1);
    });

    // Staff only: a new unit price and one discount rate for the line.
    registry.add(QStringLiteral("BakiyeFiyatDegistir"), QStringLiteral("oiiiddsdd"), [this](const MethodCall& call) {
        const SonucBilgisi k = call.record(0);
        const double fiyat = call.real(7), ind = call.real(8);
        const int line = balanceLine(k.FCARINO, call.integer(2), call.integer(3));
        if (!line || (k.FMusteriTipi != 1 && k.FMusteriTipi != 2) || !std::isfinite(fiyat) || fiyat < 0 || fiyat > 1e9
            || !std::isfinite(ind) || ind < 0 || ind > 100)
            return MethodResult::integer(0);
        DemoTransaction tx(*ctx_.db);
        ctx_.db->exec(QStringLiteral("UPDATE siparis_satir SET BIRIMFIYAT=?,IND1=?,IND2=0,IND3=0,IND4=0 WHERE SIRANO=?"),
                      {fiyat, ind, line});
        logChange(QStringLiteral("Fiyat"), line, call, fiyat, ind);
        tx.commit();
        return MethodResult::integer(1);
    });
}
