#pragma once
#include <QString>

// Order states; the numbers are the list numbers of CariSepetVer (1 is the basket list).
class OrderState {
public:
    enum : int { Alindi = 2, Onaylandi = 3, Goruldu = 4, ParcaliHazirlandi = 5, Hazirlandi = 6, SevkEdildi = 7 };
    static QString name(int state)
    {
        switch (state) {
        case Alindi: return QStringLiteral("Alındı");
        case Onaylandi: return QStringLiteral("Onaylandı");
        case Goruldu: return QStringLiteral("Görüldü");
        case ParcaliHazirlandi: return QStringLiteral("Parçalı Hazırlandı");
        case Hazirlandi: return QStringLiteral("Hazırlandı");
        case SevkEdildi: return QStringLiteral("Sevk Edildi");
        default: return QStringLiteral("Bilinmiyor");
        }
    }
    // The number a balance line shows as STOKHAR_NO (the order line's stock movement).
    static int stockMovementNo(int lineNo) { return lineNo + 500000; }
    static int lineNoOfMovement(int movementNo) { return movementNo - 500000; }
};
