#include "DurumSimgeleri.h"

QString DurumAciklamasi(int durum) {
    switch (durum) {
    case 0: return QStringLiteral("Yok");
    case 1: return QStringLiteral("Var");
    case 2: return QStringLiteral("Telefon Açınız");
    case 3: return QStringLiteral("Yolda");
    case 4: return QStringLiteral("Özel Sipariş");
    case 5: return QStringLiteral("Tedarik Sürecinde");
    default: return {};
    }
}

QIcon DurumSimgesi(int durum) {
    if (durum < 0 || durum > 5)
        return {};
    return QIcon(QStringLiteral(":/simgeler/durum%1.svg").arg(durum));
}
