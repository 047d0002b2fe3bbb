#include "OrderSeeder.h"
#include "CustomerTerms.h"
#include "DemoDatabase.h"
#include "DemoDate.h"
#include "DemoHesaplar.h"
#include "DemoRandom.h"
#include "DemoTransaction.h"
#include "OrderState.h"
#include "PriceCalculator.h"

#include <QSqlQuery>

namespace {

struct Stock {
    int stokno;
    QString barkod, adi;
    int model, k;
    double kdv, list, kamp;
};

QList<Stock> loadStocks(const DemoDatabase& db)
{
    QList<Stock> list;
    // A few thousand parts are plenty for the history; a large catalogue is sampled evenly.
    const int total = db.scalar(QStringLiteral("SELECT COUNT(*) FROM stok")).toInt();
    const int step = std::max(1, total / 3000);
    QSqlQuery q = db.exec(QStringLiteral("SELECT STOK_STOKNO,BARKOD,ADI,MODEL,K,KDV,LISTEFIYAT,KAMPFIYAT FROM stok"
                                         " WHERE STOK_STOKNO % ? = 0 OR ? = 1"),
                          {step, step});
    while (q.next())
        list.append({q.value(0).toInt(), q.value(1).toString(), q.value(2).toString(), q.value(3).toInt(),
                     q.value(4).toInt(), q.value(5).toDouble(), q.value(6).toDouble(), q.value(7).toDouble()});
    return list;
}

struct Priced {
    double fiyat;
    PriceCalculator::Chain ind;
};

Priced priceFor(const Stock& s, const CustomerTerms& t, int tip)
{
    const auto p = PriceCalculator::stockPrice(s.list, s.kamp, s.k, s.kdv, t.chain, t.campaignRate, tip);
    return {p.fiyat, p.ind};
}

QString documentNo(const char* prefix, int n)
{
    return QStringLiteral("%1%2").arg(QLatin1String(prefix)).arg(n, 6, 10, QChar(u'0'));
}

} // namespace

void OrderSeeder::seed(DemoDatabase& db, DemoRandom& rnd)
{
    using namespace demohesap;
    const QList<Stock> stocks = loadStocks(db);
    if (stocks.isEmpty())
        return;
    DemoTransaction tx(db);
    QSqlQuery basket = db.prepare(QStringLiteral(
        "INSERT INTO sepet(CARINO,STOKNO,BARKOD,STOKADI,MIKTAR,BIRIMFIYAT,KDV,IND1,IND2,IND3,IND4,K,VERENID,VEREN,TARIH,"
        "SEC,ACIKLAMA) VALUES(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,'')"));
    QSqlQuery order = db.prepare(QStringLiteral(
        "INSERT INTO siparis(CARINO,TARIH,TESLIMID,GONDERIMID,KARGOFIRMAID,ACIKLAMA,VERENID,VEREN,DURUM,BIZIMMESAJ,"
        "SATICINOTU) VALUES(?,?,?,?,?,?,?,?,?,?,?)"));
    QSqlQuery line = db.prepare(QStringLiteral(
        "INSERT INTO siparis_satir(IDNO,SEPETSIRANO,STOKNO,BARKOD,STOKADI,MIKTAR,TESLIMEDILEN,IPTAL,BIRIMFIYAT,ILKFIYAT,"
        "KDV,IND1,IND2,IND3,IND4,VERENID,VEREN,TARIH,ACIKLAMA) VALUES(?,?,?,?,?,?,?,0,?,?,?,?,?,?,?,?,?,?,'')"));
    QSqlQuery invoice = db.prepare(QStringLiteral(
        "INSERT INTO fatura(CARINO,TARIH,EVRAKNO,TUR,SATICINO,VADE,SIPARISIDNO,IRSALIYENO,ACIKLAMA,YON,TOPLAM,INDIRIM,"
        "MATRAH,KDVTUTAR,KDVDAHIL) VALUES(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"));
    QSqlQuery invoiceLine = db.prepare(QStringLiteral(
        "INSERT INTO fatura_satir(IDNO,STOKNO,MIKTAR,BIRIMFIYAT,IND1,IND2,KDV,MASRAF,ACIKLAMA) VALUES(?,?,?,?,?,?,?,0,?)"));
    QSqlQuery collection = db.prepare(QStringLiteral(
        "INSERT INTO tahsilat(CARINO,TARIH,TUR,CINS,EVRAKNO,VADE,TUTAR,ACIKLAMA,REF,SANALPOSNO) VALUES(?,?,?,?,?,?,?,?,?,?)"));
    QSqlQuery pos = db.prepare(QStringLiteral(
        "INSERT INTO sanalpos(SIRANO,CARINO,TAHSILATIDNO,TARIH,TUTAR,KARTNO,BANKA,ONAYKODU,TAKSIT) VALUES(?,?,?,?,?,?,?,?,?)"));

    const QDateTime now = QDateTime::currentDateTime();
    const QStringList banks = {"Ziraat Bankası", "Garanti BBVA", "İş Bankası", "Yapı Kredi", "Akbank", "Halkbank"};
    const QStringList dealerNotes = {"", "", "Acil lütfen", "Faturayı şirkete kesiniz", "Eksik parça varsa arayın",
                                     "Öğleden önce teslim", "Kargo ücreti bizde"};
    const QStringList ourNotes = {"", "Siparişiniz alındı.", "Eksik ürünler tedarik edilince gönderilecek.",
                                  "Kampanya fiyatı uygulandı.", "Depodan çıkış yapıldı."};
    const QStringList repNotes = {"", "", "", "Müşteri ile görüşüldü, vade 60 gün.", "Fiyat farkı onaylandı."};
    int invoiceNo = 1, collectionNo = 1, posNo = 1000;

    for (int n = 0; n < kCariSayisi; ++n) {
        const int carino = kIlkCarino + n;
        const CustomerTerms terms = CustomerTerms::load(db, carino);
        QSqlQuery u = db.exec(QStringLiteral("SELECT SIRANO,ADI,MUSTERITIPI FROM kullanici WHERE CARINO=? AND MUSTERITIPI>2"
                                             " ORDER BY SIRANO LIMIT 1"),
                              {carino});
        const int userNo = u.next() ? u.value(0).toInt() : 0;
        const QString userName = u.value(1).toString();
        const int tip = u.value(2).toInt();
        const int vade = db.scalar(QStringLiteral("SELECT VADE FROM cari WHERE CARINO=?"), {carino}).toInt();

        // Basket: about half of the accounts have lines waiting, the demo dealer always.
        const bool hasBasket = carino == kBayi.carino || carino == kBayi4.carino || rnd.chance(0.45);
        const int basketLines = hasBasket ? rnd.range(2, 7) : 0;
        for (int i = 0; i < basketLines; ++i) {
            const Stock& s = stocks.at(rnd.range(0, int(stocks.size()) - 1));
            const Priced p = priceFor(s, terms, tip);
            const QVariantList v = {carino, s.stokno, s.barkod, s.adi, double(s.model * rnd.range(1, 4)), p.fiyat, s.kdv,
                                    p.ind[0], p.ind[1], p.ind[2], p.ind[3], s.k, userNo, userName,
                                    DemoDate::text(now.addSecs(-rnd.range(60, 4 * 86400))), rnd.chance(0.4) ? 1 : 0};
            for (int c = 0; c < v.size(); ++c)
                basket.bindValue(c, v[c]);
            DemoDatabase::run(basket);
        }

        // Orders of the last four months, the older ones further along.
        double invoiced = 0;
        const int orders = rnd.range(4, 12);
        for (int o = 0; o < orders; ++o) {
            const int daysAgo = rnd.range(0, 120);
            const QDateTime when = now.addDays(-daysAgo).addSecs(-rnd.range(0, 8 * 3600));
            int state;
            if (daysAgo > 20)
                state = rnd.chance(0.85) ? OrderState::SevkEdildi : OrderState::ParcaliHazirlandi;
            else
                state = rnd.range(OrderState::Alindi, OrderState::SevkEdildi);
            const int gonderim = rnd.range(1, 4);
            const int firma = db.scalar(QStringLiteral("SELECT MIN(SIRANO) FROM kargofirma WHERE GONDERIMID=?"), {gonderim}).toInt();
            const QVariantList ov = {carino, DemoDate::text(when), rnd.range(1, 3), gonderim, firma, rnd.pick(dealerNotes),
                                     userNo, userName, state, state == OrderState::Alindi ? QString() : rnd.pick(ourNotes),
                                     rnd.pick(repNotes)};
            for (int c = 0; c < ov.size(); ++c)
                order.bindValue(c, ov[c]);
            DemoDatabase::run(order);
            const int idno = order.lastInsertId().toInt();

            PriceCalculator::LineAmounts sum;
            QList<std::tuple<Stock, double, Priced>> delivered;
            const int lines = rnd.range(1, 8);
            for (int l = 0; l < lines; ++l) {
                const Stock& s = stocks.at(rnd.range(0, int(stocks.size()) - 1));
                const Priced p = priceFor(s, terms, tip);
                const double miktar = double(s.model * rnd.range(1, 5));
                double teslim = 0;
                if (state == OrderState::SevkEdildi || state == OrderState::Hazirlandi)
                    teslim = rnd.chance(0.12) ? double(s.model * int(miktar / s.model / 2)) : miktar;
                else if (state == OrderState::ParcaliHazirlandi)
                    teslim = QList<double>{0.0, miktar, double(s.model * int(miktar / s.model / 2))}.at(rnd.range(0, 2));
                const QVariantList lv = {idno, 0, s.stokno, s.barkod, s.adi, miktar, teslim, p.fiyat, p.fiyat, s.kdv,
                                         p.ind[0], p.ind[1], p.ind[2], p.ind[3], userNo, userName, DemoDate::text(when)};
                for (int c = 0; c < lv.size(); ++c)
                    line.bindValue(c, lv[c]);
                DemoDatabase::run(line);
                if (teslim > 0)
                    delivered.append({s, teslim, p});
            }
            if (delivered.isEmpty() || state == OrderState::Hazirlandi)
                continue;
            // The delivered part is invoiced a day or two later.
            const QDateTime invoiceDate = when.addDays(rnd.range(0, 2));
            if (invoiceDate > now)
                continue;
            for (const auto& [s, qty, p] : delivered) {
                const auto a = PriceCalculator::line(qty, p.fiyat, p.ind, s.kdv);
                sum.tutar += a.tutar;
                sum.netTutar += a.netTutar;
                sum.vergi += a.vergi;
            }
            const double toplam = PriceCalculator::round2(sum.tutar), matrah = PriceCalculator::round2(sum.netTutar);
            const double kdvTutar = PriceCalculator::round2(sum.vergi);
            const QVariantList iv = {carino, DemoDate::text(invoiceDate), documentNo("TLM", invoiceNo++),
                                     QStringLiteral("Toptan Satış Faturası"), terms.saticino, vade, idno,
                                     documentNo("IRS", invoiceNo), QStringLiteral("Sipariş %1").arg(idno), 1, toplam,
                                     PriceCalculator::round2(toplam - matrah), matrah, kdvTutar,
                                     PriceCalculator::round2(matrah + kdvTutar)};
            for (int c = 0; c < iv.size(); ++c)
                invoice.bindValue(c, iv[c]);
            DemoDatabase::run(invoice);
            const int fid = invoice.lastInsertId().toInt();
            for (const auto& [s, qty, p] : delivered) {
                const QVariantList fl = {fid, s.stokno, qty, p.fiyat, p.ind[0], p.ind[1], s.kdv, QString()};
                for (int c = 0; c < fl.size(); ++c)
                    invoiceLine.bindValue(c, fl[c]);
                DemoDatabase::run(invoiceLine);
            }
            invoiced += PriceCalculator::round2(matrah + kdvTutar);
        }

        // Opening balance, and collections covering most of what is owed; the demo dealer pays
        // too little, so it has overdue invoices.
        const double opening = PriceCalculator::round2(rnd.real(0, 15000));
        db.exec(QStringLiteral("INSERT INTO devir(CARINO,TARIH,BORC,ALACAK) VALUES(?,?,?,0)"),
                {carino, DemoDate::text(QDateTime(now.date().addDays(-130), QTime(0, 0))), opening});
        const double share = carino == kBayi.carino ? 0.45 : carino == kBayi4.carino ? 1.0 : rnd.real(0.55, 1.02);
        double toCollect = PriceCalculator::round2((opening + invoiced) * share);
        int payments = 0;
        while (toCollect > 1 && payments < 12) {
            const double amount = payments == 11 ? toCollect : PriceCalculator::round2(std::min(toCollect, rnd.real(2000, 25000)));
            const QDateTime when = now.addDays(-rnd.range(1, 118)).addSecs(-rnd.range(0, 30000));
            const int kind = rnd.range(0, 9);
            const QString cins = kind < 3 ? QStringLiteral("Kredi Kartı") : kind < 6 ? QStringLiteral("Havale/EFT")
                : kind < 8 ? QStringLiteral("Nakit") : QStringLiteral("Çek");
            const bool online = cins == QStringLiteral("Kredi Kartı") && rnd.chance(0.8);
            const int posSirano = online ? ++posNo : 0;
            const QDate due = cins == QStringLiteral("Çek") ? when.date().addDays(rnd.range(30, 90)) : when.date();
            const QVariantList cv = {carino, DemoDate::text(when), QStringLiteral("Tahsilat"), cins,
                                     documentNo("THS", collectionNo++), due.toString(Qt::ISODate), amount,
                                     online ? QStringLiteral("Sanal POS tahsilatı") : QStringLiteral("%1 tahsilatı").arg(cins),
                                     QStringLiteral("REF%1").arg(rnd.digits(8)), posSirano};
            for (int c = 0; c < cv.size(); ++c)
                collection.bindValue(c, cv[c]);
            DemoDatabase::run(collection);
            if (online) {
                const QVariantList pv = {posSirano, carino, collection.lastInsertId(), DemoDate::text(when), amount,
                                         QStringLiteral("%1** **** %2").arg(rnd.range(4000, 5599)).arg(rnd.digits(4)),
                                         rnd.pick(banks), rnd.digits(6), QList<int>{1, 1, 1, 3, 6}.at(rnd.range(0, 4))};
                for (int c = 0; c < pv.size(); ++c)
                    pos.bindValue(c, pv[c]);
                DemoDatabase::run(pos);
            }
            toCollect = PriceCalculator::round2(toCollect - amount);
            ++payments;
        }
        // Now and then the distributor pays back (a credit note refund).
        if (rnd.chance(0.15)) {
            const QVariantList cv = {carino, DemoDate::text(now.addDays(-rnd.range(1, 60))), QStringLiteral("Tediye"),
                                     QStringLiteral("Havale/EFT"), documentNo("TDY", collectionNo++),
                                     now.date().toString(Qt::ISODate), PriceCalculator::round2(rnd.real(100, 1500)),
                                     QStringLiteral("İade ödemesi"), QStringLiteral("REF%1").arg(rnd.digits(8)), 0};
            for (int c = 0; c < cv.size(); ++c)
                collection.bindValue(c, cv[c]);
            DemoDatabase::run(collection);
        }
    }
    tx.commit();
}
