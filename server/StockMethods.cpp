#include "StockMethods.h"
#include "CatalogueSeeder.h"
#include "DemoDatabase.h"
#include "MediaStore.h"
#include "MethodRegistry.h"
#include "SearchText.h"
#include "StockTable.h"

namespace {

QString likePattern(const QString& word)
{
    QString escaped = word;
    escaped.replace(u'\\', QStringLiteral("\\\\")).replace(u'%', QStringLiteral("\\%")).replace(u'_', QStringLiteral("\\_"));
    return u'%' + escaped + u'%';
}

} // namespace

void StockMethods::registerMethods(MethodRegistry& registry)
{
    registry.add(QStringLiteral("StokAraGetirOrvak"), QStringLiteral("so"), [this](const MethodCall& call) {
        const SonucBilgisi bilgi = call.record(1);
        const QStringList words = SearchText::words(call.text(0));
        QString sql = QStringLiteral("SELECT ") + StockTable::selectColumns() + QStringLiteral(" FROM stok");
        QVariantList binds;
        if (words.isEmpty()) {
            sql += QStringLiteral(" WHERE 0"); // nothing to look for: no rows, but every column
        } else {
            QStringList where;
            for (const QString& w : words) {
                where << QStringLiteral("ARAMA LIKE ? ESCAPE '\\'");
                binds << likePattern(w);
            }
            sql += QStringLiteral(" WHERE ") + where.join(QStringLiteral(" AND "));
        }
        sql += QStringLiteral(" ORDER BY DURUM DESC, STOK_STOKNO");
        QSqlQuery q = ctx_.db->exec(sql, binds);
        return MethodResult::table(StockTable::build(q, CustomerTerms::load(*ctx_.db, bilgi.FCARINO), bilgi.FMusteriTipi));
    });

    registry.add(QStringLiteral("YenilerVer2Orvak"), QStringLiteral("i"), [this](const MethodCall& call) {
        const CustomerTerms terms = CustomerTerms::load(*ctx_.db, call.integer(0));
        const int tip = ctx_.db->scalar(QStringLiteral("SELECT MIN(MUSTERITIPI) FROM kullanici WHERE CARINO=? AND MUSTERITIPI>2"),
                                        {terms.carino}).toInt();
        QSqlQuery q = ctx_.db->exec(QStringLiteral("SELECT ") + StockTable::selectColumns()
                                    + QStringLiteral(" FROM stok WHERE Y=1 ORDER BY STOK_STOKNO DESC"));
        return MethodResult::table(StockTable::build(q, terms, tip));
    });

    registry.add(QStringLiteral("KampanyaliVer2Orvak"), QStringLiteral("ii"), [this](const MethodCall& call) {
        const CustomerTerms terms = CustomerTerms::load(*ctx_.db, call.integer(0));
        const int tip = call.integer(1);
        // Customer type 4 has no campaigns: the list is empty but keeps its columns.
        QSqlQuery q = ctx_.db->exec(QStringLiteral("SELECT ") + StockTable::selectColumns()
                                    + QStringLiteral(" FROM stok WHERE K>0 AND KAMPFIYAT>0 AND ?<>4 ORDER BY ANAGRUP, STOK_STOKNO"),
                                    {tip});
        return MethodResult::table(StockTable::build(q, terms, tip));
    });

    registry.add(QStringLiteral("ResimVer5"), QStringLiteral("i"), [this](const MethodCall& call) {
        return MethodResult::stream(ctx_.media->productPicture(call.integer(0)));
    });

    registry.add(QStringLiteral("DepartmanlariVer"), QString(), [](const MethodCall&) {
        return MethodResult::text((QStringList{QStringLiteral("Tüm Departmanlar")} + CatalogueSeeder::departments())
                                      .join(u'|'));
    });
}
