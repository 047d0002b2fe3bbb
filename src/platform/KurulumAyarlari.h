#pragma once
#include <QString>
#include <QStringList>

// Deployment settings: compiled in (CMake cache variables), optionally overridden by a
// deployment.ini beside the executable for one installation. The client reads nothing else.
struct KurulumAyarlari {
    QString sunucuHost;
    int sunucuPort = 9090;
    QString webSitesi;
    QString kayitAdresi;
    QString odemeAdresi;
    QString ipServisi;
    QString guncellemeSitesi;
    // Disk serials of particular machines that all sign in under one shared identity.
    QStringList takmaSeriler;
    QString ortakKimlik;

    static KurulumAyarlari Derlenmis();
    // Derlenmis() with the keys of the [Kurulum] section of `iniYolu` that are present.
    static KurulumAyarlari Oku(const QString& iniYolu);
    // The settings of this installation (read once).
    static const KurulumAyarlari& Al();
};
