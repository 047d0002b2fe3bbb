#include "IsIstasyonuKimligi.h"

#include "EHata.h"
#include "KurulumAyarlari.h"

#include <QCollator>
#include <QDir>
#include <QFile>

#include <arpa/inet.h>
#include <netdb.h>
#include <pwd.h>
#include <unistd.h>

namespace {
// The platform's name buffers hold 16 characters with the terminator.
constexpr int kAdTamponu = 16;

std::optional<QString> dosyaOku(const QString& yol) {
    QFile f(yol);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    return QString::fromUtf8(f.read(4096));
}

QString kirp(const QString& s) {
    // Blanks and control characters at both ends.
    qsizetype bas = 0, son = s.size();
    while (bas < son && s.at(bas).unicode() <= 0x20)
        ++bas;
    while (son > bas && s.at(son - 1).unicode() <= 0x20)
        --son;
    return s.mid(bas, son - bas);
}

QStringList dogalSirali(QStringList adlar) {
    QCollator c;
    c.setNumericMode(true);
    std::sort(adlar.begin(), adlar.end(), [&](const QString& a, const QString& b) { return c.compare(a, b) < 0; });
    return adlar;
}

// The serial of one block device from sysfs, or failing that from the udev database.
QString diskSerisi(const QDir& kok, const QString& disk) {
    for (const QString& yol : {QStringLiteral("sys/block/%1/device/serial"), QStringLiteral("sys/block/%1/serial")}) {
        if (auto s = dosyaOku(kok.filePath(yol.arg(disk))); s && !kirp(*s).isEmpty())
            return *s;
    }
    if (auto no = dosyaOku(kok.filePath(QStringLiteral("sys/block/%1/dev").arg(disk)))) {
        if (auto veri = dosyaOku(kok.filePath(QStringLiteral("run/udev/data/b%1").arg(kirp(*no))))) {
            for (const QString& satir : veri->split(u'\n')) {
                if (satir.startsWith(QLatin1String("E:ID_SERIAL_SHORT=")))
                    return satir.mid(18);
            }
        }
    }
    return {};
}
} // namespace

KimlikKaynaklari KimlikKaynaklari::Sistem() {
    KimlikKaynaklari k;
    const KurulumAyarlari& a = KurulumAyarlari::Al();
    k.takmaSeriler = a.takmaSeriler;
    k.ortakKimlik = a.ortakKimlik;
    return k;
}

QString BilgisayarAdiAl(const KimlikKaynaklari& k) {
    std::optional<QString> ad;
    if (k.bilgisayarAdi) {
        ad = k.bilgisayarAdi();
    } else {
        char buf[256] = {};
        if (gethostname(buf, sizeof buf - 1) == 0)
            ad = QString::fromLocal8Bit(buf).section(u'.', 0, 0);
    }
    if (!ad || ad->size() >= kAdTamponu)
        return {};
    return *ad;
}

QString KullaniciAdiAl(const KimlikKaynaklari& k) {
    std::optional<QString> ad;
    if (k.kullaniciAdi) {
        ad = k.kullaniciAdi();
    } else if (const passwd* pw = getpwuid(geteuid()); pw && pw->pw_name) {
        ad = QString::fromLocal8Bit(pw->pw_name);
    }
    // A name of 16 characters or more does not fit the buffer.
    if (!ad || ad->size() >= kAdTamponu)
        return {};
    return *ad;
}

QString YerelIpAl(const KimlikKaynaklari& k) {
    const QString yedek = QStringLiteral("127.0.0.1");
    if (k.agHazir && !k.agHazir())
        return yedek;
    char ad[257] = {};
    if (gethostname(ad, 256) != 0)
        return yedek;
    addrinfo ipucu{};
    ipucu.ai_family = AF_INET;
    addrinfo* sonuc = nullptr;
    if (getaddrinfo(ad, nullptr, &ipucu, &sonuc) != 0 || !sonuc)
        return yedek; // the host's own name does not resolve
    char metin[INET_ADDRSTRLEN] = {};
    const auto* adres = reinterpret_cast<const sockaddr_in*>(sonuc->ai_addr);
    const QString ip = inet_ntop(AF_INET, &adres->sin_addr, metin, sizeof metin) ? QString::fromLatin1(metin) : yedek;
    freeaddrinfo(sonuc);
    return ip;
}

QString DiskSeriAl(const KimlikKaynaklari& k) {
    const QDir kok(k.sistemKoku);
    QDir bloklar(kok.filePath(QStringLiteral("sys/block")));
    if (!bloklar.exists())
        throw EHata(QStringLiteral("Disk listesi okunamadı."));
    // Physical disks have a device link; loop, ram, dm and md devices do not.
    QStringList diskler;
    for (const QString& d : bloklar.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::System)) {
        if (QFileInfo::exists(bloklar.filePath(d + QStringLiteral("/device"))))
            diskler.append(d);
    }
    diskler = dogalSirali(diskler);
    if (diskler.isEmpty())
        return {};
    return diskSerisi(kok, diskler.first()).toUpper();
}

QString MacAdresiAl(const KimlikKaynaklari& k) {
    const QDir ag(QDir(k.sistemKoku).filePath(QStringLiteral("sys/class/net")));
    QString adres;
    for (const QString& arayuz : dogalSirali(ag.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::System))) {
        const auto metin = dosyaOku(ag.filePath(arayuz + QStringLiteral("/address")));
        if (!metin)
            continue;
        const QStringList baytlar = kirp(*metin).split(u':');
        if (baytlar.size() != 6)
            continue; // not an Ethernet-style adapter
        QStringList parcalar;
        for (const QString& b : baytlar)
            parcalar.append(b.rightJustified(2, u'0').toUpper());
        adres = parcalar.join(u'-');
        if (adres != QLatin1String("00-00-00-00-00-00"))
            break;
    }
    return adres == QLatin1String("00-00-00-00-00-00") ? QString() : adres;
}

QString BilgisayarIdAl(const KimlikKaynaklari& k) {
    QString kimlik;
    try {
        kimlik = kirp(DiskSeriAl(k));
    } catch (const std::exception&) {
        kimlik.clear();
    }
    if (kimlik.isEmpty()) {
        try {
            kimlik = kirp(MacAdresiAl(k));
        } catch (const std::exception&) {
            kimlik.clear();
        }
    }
    kimlik.remove(u' ');
    if (k.takmaSeriler.contains(kimlik) && !kimlik.isEmpty())
        kimlik = k.ortakKimlik;
    return kimlik;
}
