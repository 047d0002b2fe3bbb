#include "TabloYardimcilari.h"

#include "TClientDataSet.h"

void AlanBicimle(TClientDataSet& tablo) {
    const QString bicim = QString::fromLatin1(kParaBicimi);
    for (int i = 0; i < tablo.FieldCount(); ++i)
        if (tablo.FieldDef(i).DataType == TFieldType::Float)
            tablo.SetDisplayFormat(i, bicim);
}

bool KayitVarmi(const TClientDataSet& tablo) {
    return tablo.Active() && tablo.RecordCount() > 0;
}

bool SecimVarmi(TClientDataSet& tablo) {
    if (!KayitVarmi(tablo))
        return false;
    TField sec = tablo.FieldByName(QStringLiteral("SEC"));
    tablo.First();
    while (!tablo.Eof()) {
        if (sec.AsInteger() == 1)
            return true;
        tablo.Next();
    }
    return false;
}
