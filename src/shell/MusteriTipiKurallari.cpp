#include "MusteriTipiKurallari.h"

MusteriTipiKurallari MusteriTipiKurallari::Hesapla(int tip) {
    MusteriTipiKurallari k;
    k.musteriTipi = tip;
    const auto sutun = [&](const char* gorunum, const char* alan, bool gorunur) {
        k.sutunlar.append(SutunKurali{QString::fromLatin1(gorunum), QString::fromLatin1(alan), gorunur});
    };
    // The three rules in their order, each on its own test.
    if (tip == 1 || tip == 2) {
        k.musteritus = true;
        for (const char* gorunum : {"cxGrid1DBTableView1", "cxGridDBTableView5", "cxGridDBTableViewkampanyali"})
            for (const char* alan : {"KALAN", "ALINANSIPARIS", "VERILENSIPARIS"})
                sutun(gorunum, alan, true);
        sutun("cxGridDBTableView1", "KALAN", true);
        k.R1 = true;
    }
    if (tip == 3) {
        sutun("cxGridDBTableView1", "DURUM", false);
        k.R1 = false;
    }
    if (tip == 4) {
        k.skampanyali = false;
        for (const char* gorunum : {"cxGrid1DBTableView1", "cxGridDBTableView5"}) {
            sutun(gorunum, "KAMPFIYAT", false);
            sutun(gorunum, "K", false);
        }
        k.R1 = false;
    }
    return k;
}

QList<SutunKurali> MusteriTipiKurallari::Gorunum(const QString& gorunum) const {
    QList<SutunKurali> l;
    for (const SutunKurali& s : sutunlar)
        if (s.gorunum == gorunum)
            l.append(s);
    return l;
}
