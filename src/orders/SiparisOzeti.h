#pragma once
#include <QString>

// The summary the order confirmation shows: seven lines joined by "\r\n", each behind an
// eleven-character prefix so that the colons line up in a fixed-pitch font.
struct SiparisOzeti {
    QString kullanici;   // FADI of the sign-in record
    QString cari;        // FCariAdi
    QString teslim;      // chosen delivery state
    QString kargoTuru;   // chosen shipping option
    QString tutar;       // grand total as shown
    QString kargoFirma;  // chosen cargo firm
    QString aciklama;    // the message, line breaks kept

    QString Metin() const;
};
