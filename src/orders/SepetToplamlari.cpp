#include "SepetToplamlari.h"

#include "FormatFloat.h"
#include "IkiHaneYuvarla.h"
#include "TClientDataSet.h"
#include "TabloYardimcilari.h"

namespace {
// The cell as a number; a missing column or a null cell counts as 0.
double sayi(const TTableData& veri, int satir, int alan) {
    return alan < 0 || veri.IsNull(satir, alan) ? 0.0 : veri.AsFloat(satir, alan);
}
} // namespace

SepetToplamlari SepetToplamlari::Hesapla(const TClientDataSet& sepet) {
    SepetToplamlari t;
    if (!KayitVarmi(sepet))
        return t;
    const TTableData& veri = sepet.Data();
    const int sec = veri.FieldIndex(u"SEC");
    const int tutar = veri.FieldIndex(u"TUTAR");
    const int indirim = veri.FieldIndex(u"INDIRIMTUTAR");
    const int vergi = veri.FieldIndex(u"VERGITUTARI");
    if (sec < 0)
        return t;
    for (int r = 0; r < veri.RowCount(); ++r) {
        if (veri.IsNull(r, sec) || veri.AsFloat(r, sec) != 1.0)
            continue;
        t.toplam = IkiHaneYuvarla(t.toplam + sayi(veri, r, tutar));
        t.indirim = IkiHaneYuvarla(t.indirim + sayi(veri, r, indirim));
        t.vergi = t.vergi + IkiHaneYuvarla(sayi(veri, r, vergi));
    }
    t.araToplam = IkiHaneYuvarla(t.toplam - t.indirim);
    t.genelToplam = IkiHaneYuvarla(t.araToplam + t.vergi);
    return t;
}

QString SepetToplamlari::Yaz(double tutar) { return FormatFloat(QString::fromLatin1(kParaBicimi), tutar); }
