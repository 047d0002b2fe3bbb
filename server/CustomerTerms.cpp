#include "CustomerTerms.h"
#include "DemoDatabase.h"

CustomerTerms CustomerTerms::load(const DemoDatabase& db, int carino)
{
    CustomerTerms t;
    t.carino = carino;
    QSqlQuery q = db.exec(QStringLiteral("SELECT CARIKOD,CARIADI,IND1,IND2,IND3,IND4,KAMPIND,SATICINO FROM cari"
                                         " WHERE CARINO=?"),
                          {carino});
    if (!q.next())
        return t;
    t.exists = true;
    t.carikod = q.value(0).toString();
    t.cariadi = q.value(1).toString();
    t.chain = {q.value(2).toDouble(), q.value(3).toDouble(), q.value(4).toDouble(), q.value(5).toDouble()};
    t.campaignRate = q.value(6).toDouble();
    t.saticino = q.value(7).toInt();
    return t;
}
