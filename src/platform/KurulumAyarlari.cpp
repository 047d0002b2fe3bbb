#include "KurulumAyarlari.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>

KurulumAyarlari KurulumAyarlari::Derlenmis() {
    KurulumAyarlari a;
    a.sunucuHost = QStringLiteral(TELMIRA_SERVER_HOST);
    a.sunucuPort = TELMIRA_SERVER_PORT;
    a.webSitesi = QStringLiteral(TELMIRA_WEB_BASE);
    a.kayitAdresi = QStringLiteral(TELMIRA_REGISTRATION_BASE);
    a.odemeAdresi = QStringLiteral(TELMIRA_PAYMENT_BASE);
    a.ipServisi = QStringLiteral(TELMIRA_IP_SERVICE);
    a.guncellemeSitesi = QStringLiteral(TELMIRA_UPDATE_SITE);
    return a;
}

KurulumAyarlari KurulumAyarlari::Oku(const QString& iniYolu) {
    KurulumAyarlari a = Derlenmis();
    if (!QFileInfo::exists(iniYolu))
        return a;
    QSettings ini(iniYolu, QSettings::IniFormat);
    ini.beginGroup(QStringLiteral("Kurulum"));
    const auto metin = [&](const char* anahtar, QString& hedef) {
        const QString k = QString::fromLatin1(anahtar);
        if (ini.contains(k))
            hedef = ini.value(k).toString();
    };
    metin("SunucuHost", a.sunucuHost);
    metin("WebSitesi", a.webSitesi);
    metin("KayitAdresi", a.kayitAdresi);
    metin("OdemeAdresi", a.odemeAdresi);
    metin("IpServisi", a.ipServisi);
    metin("GuncellemeSitesi", a.guncellemeSitesi);
    metin("OrtakKimlik", a.ortakKimlik);
    bool tamam = false;
    const int port = ini.value(QStringLiteral("SunucuPort")).toInt(&tamam);
    if (tamam && port > 0 && port < 65536)
        a.sunucuPort = port;
    if (ini.contains(QStringLiteral("TakmaSeriler")))
        a.takmaSeriler = ini.value(QStringLiteral("TakmaSeriler")).toString().split(u',', Qt::SkipEmptyParts);
    for (QString& s : a.takmaSeriler)
        s = s.trimmed();
    return a;
}

const KurulumAyarlari& KurulumAyarlari::Al() {
    static const KurulumAyarlari ayarlar = [] {
        const QString dizin = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
        return dizin.isEmpty() ? Derlenmis() : Oku(QDir(dizin).filePath(QStringLiteral("deployment.ini")));
    }();
    return ayarlar;
}
