#pragma once
#include <QString>

class TClientDataSet;

// The money totals of the basket lines selected for the order (SEC = 1). The running gross and
// discount sums are rounded after every addition, the tax of each line is rounded before it is
// added, so the totals match the server's order documents to the cent.
struct SepetToplamlari {
    double toplam = 0;       // gross (TUTAR)
    double indirim = 0;      // discount (INDIRIMTUTAR)
    double araToplam = 0;    // gross - discount
    double vergi = 0;        // tax (VERGITUTARI)
    double genelToplam = 0;  // subtotal + tax

    // Reads every line of the table, whatever a grid filter hides; does not move its cursor.
    static SepetToplamlari Hesapla(const TClientDataSet& sepet);

    // A total as the labels show it: "#,###,##0.00" with the separators of the current locale.
    static QString Yaz(double tutar);
};
