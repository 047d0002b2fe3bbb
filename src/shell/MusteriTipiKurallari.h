#pragma once
#include <QList>
#include <QString>

// One column of a grid view as a customer type wants it: shown and offered in the column chooser,
// or hidden and withdrawn from it.
struct SutunKurali {
    QString gorunum;  // objectName of the grid view, e.g. "cxGrid1DBTableView1"
    QString alan;     // field the column is bound to
    bool gorunur = false;

    bool operator==(const SutunKurali&) const = default;
};

// What the signed-in customer type changes in the main window. Computed once after the login; the
// window applies its own parts (button, menu item, tab) and every page applies the column rules of
// its grid views. Types other than 1 to 4 leave the designed state.
struct MusteriTipiKurallari {
    int musteriTipi = 0;
    bool musteritus = false;   // "Başka Cari Seç"
    bool R1 = false;           // "Raporlar"
    bool skampanyali = true;   // the "Kampanyalı Stoklar" tab
    QList<SutunKurali> sutunlar;

    static MusteriTipiKurallari Hesapla(int musteriTipi);
    // The column rules of one grid view, in order.
    QList<SutunKurali> Gorunum(const QString& gorunum) const;
};
