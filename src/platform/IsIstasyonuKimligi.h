#pragma once
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// Where the workstation facts come from. The defaults read the running system; tests give a fake
// system root and name sources.
struct KimlikKaynaklari {
    QString sistemKoku = QStringLiteral("/"); // holds sys/block, sys/class/net, run/udev/data
    std::function<std::optional<QString>()> bilgisayarAdi; // empty: gethostname
    std::function<std::optional<QString>()> kullaniciAdi;  // empty: the effective user's name
    std::function<bool()> agHazir;                        // empty: networking is available
    QStringList takmaSeriler;                             // serials that map to `ortakKimlik`
    QString ortakKimlik;

    // The running system with the installation's alias list.
    static KimlikKaynaklari Sistem();
};

QString BilgisayarAdiAl(const KimlikKaynaklari& k = KimlikKaynaklari::Sistem());
QString KullaniciAdiAl(const KimlikKaynaklari& k = KimlikKaynaklari::Sistem());
QString YerelIpAl(const KimlikKaynaklari& k = KimlikKaynaklari::Sistem());
// Throws EHata when the disk list cannot be read; empty when the first disk reports no serial.
QString DiskSeriAl(const KimlikKaynaklari& k = KimlikKaynaklari::Sistem());
QString MacAdresiAl(const KimlikKaynaklari& k = KimlikKaynaklari::Sistem());
QString BilgisayarIdAl(const KimlikKaynaklari& k = KimlikKaynaklari::Sistem());
