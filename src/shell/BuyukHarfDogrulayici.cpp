#include "BuyukHarfDogrulayici.h"

QValidator::State BuyukHarfDogrulayici::validate(QString& girdi, int&) const {
    // A letter whose capital is longer ("ß") is left alone: the cursor must not move.
    const QString buyuk = locale().toUpper(girdi);
    if (buyuk.size() == girdi.size())
        girdi = buyuk;
    return Acceptable;
}
