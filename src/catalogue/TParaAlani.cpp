#include "TParaAlani.h"

#include "FormatFloat.h"
#include "TabloYardimcilari.h"

#include <QLocale>

TParaAlani::TParaAlani(QWidget* ebeveyn) : QLineEdit(ebeveyn) {
    setReadOnly(true);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

double TParaAlani::Deger() const {
    const QLocale yerel;
    QString t = text().trimmed();
    bool ok = false;
    double d = yerel.toDouble(t, &ok);
    if (!ok) {
        t.remove(yerel.groupSeparator());
        d = yerel.toDouble(t, &ok);
    }
    return ok ? d : 0.0;
}

void TParaAlani::DegerYaz(double deger) { setText(FormatFloat(QString::fromLatin1(kParaBicimi), deger)); }
