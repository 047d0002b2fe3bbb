#include "SiparisOzeti.h"

#include <QStringList>

QString SiparisOzeti::Metin() const {
    const QStringList satirlar{
        QStringLiteral("Kullanıcı: ") + kullanici,
        QStringLiteral("Cari     : ") + cari,
        QStringLiteral("Teslim   : ") + teslim,
        QStringLiteral("Kargo    : ") + kargoTuru,
        QStringLiteral("Tutar    : ") + tutar,
        QStringLiteral("Kargo    : ") + kargoFirma,
        QStringLiteral("Açıklama : ") + aciklama,
    };
    return satirlar.join(QStringLiteral("\r\n"));
}
