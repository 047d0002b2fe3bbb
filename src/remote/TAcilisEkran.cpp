#include "TAcilisEkran.h"

#include "EHata.h"

namespace {
int hexRakam(QChar c) {
    const ushort u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    return -1;
}
} // namespace

QByteArray HexCoz(const QString& metin) {
    QByteArray sonuc;
    sonuc.reserve((metin.size() + 1) / 2);
    for (qsizetype i = 0; i < metin.size(); i += 2) {
        const qsizetype uzunluk = qMin<qsizetype>(2, metin.size() - i);
        int deger = 0;
        for (qsizetype j = 0; j < uzunluk; ++j) {
            const int r = hexRakam(metin.at(i + j));
            if (r < 0)
                throw EHata(QStringLiteral("'%1' geçerli bir onaltılık değer değil").arg(metin.mid(i, uzunluk)));
            deger = deger * 16 + r;
        }
        sonuc.append(static_cast<char>(deger));
    }
    return sonuc;
}

QByteArray TAcilisEkran::ResimBaytlari() const { return HexCoz(FResim); }
