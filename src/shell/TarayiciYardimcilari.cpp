#include "TarayiciYardimcilari.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#ifdef TELMIRA_WEBENGINE
#include <QtWebEngineCore/qtwebenginecoreglobal.h>
#endif

QStringList ChromeAdaylari() {
    QStringList a{
        QStringLiteral("/opt/google/chrome/chrome"),
        QStringLiteral("/usr/bin/google-chrome-stable"),
        QStringLiteral("/usr/bin/google-chrome"),
        QStringLiteral("/usr/bin/chromium"),
        QStringLiteral("/usr/bin/chromium-browser"),
    };
    // A browser installed for the current user alone lives under the user's own data folder.
    const QString veri = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (!veri.isEmpty())
        a.append(QDir(veri).filePath(QStringLiteral("google-chrome/chrome")));
    return a;
}

QString ChromeYolu(const QStringList& adaylar) {
    for (const QString& yol : adaylar) {
        const QFileInfo f(yol);
        if (f.exists() && f.isFile())
            return yol;
    }
    return {};
}

int IESurumu() {
#ifdef TELMIRA_WEBENGINE
    return QString::fromLatin1(qWebEngineChromiumVersion()).section(u'.', 0, 0).toInt();
#else
    return 0;
#endif
}

namespace {
QString kodla(const QString& parca, bool artiKalsin) {
    static const QByteArray ozel = QByteArrayLiteral("*<>#%\"{}|\\^[]`+");
    QString sonuc;
    const QByteArray utf8 = parca.toUtf8();
    sonuc.reserve(utf8.size());
    for (const char c : utf8) {
        const auto b = static_cast<unsigned char>(c);
        const bool kodlanir = b <= 32 || b >= 128 || (ozel.contains(c) && !(artiKalsin && c == '+'));
        if (kodlanir)
            sonuc += QStringLiteral("%%1").arg(b, 2, 16, QLatin1Char('0')).toUpper();
        else
            sonuc += QLatin1Char(c);
    }
    return sonuc;
}
} // namespace

QString UrlKodla(const QString& adres) {
    // scheme://host/path/document?query
    QString onek;
    QString kalan = adres;
    const qsizetype sema = kalan.indexOf(QStringLiteral("://"));
    if (sema >= 0) {
        const qsizetype yolBasi = kalan.indexOf(u'/', sema + 3);
        const qsizetype soruBasi = kalan.indexOf(u'?', sema + 3);
        qsizetype hostSonu = kalan.size();
        if (yolBasi >= 0)
            hostSonu = yolBasi;
        if (soruBasi >= 0 && soruBasi < hostSonu)
            hostSonu = soruBasi;
        onek = kalan.left(hostSonu);
        kalan = kalan.mid(hostSonu);
    }
    QString sorgu;
    const qsizetype soru = kalan.indexOf(u'?');
    if (soru >= 0) {
        sorgu = kalan.mid(soru + 1);
        kalan = kalan.left(soru);
    }
    // Path and document are encoded alike; the slashes between them are kept.
    QStringList parcalar = kalan.split(u'/');
    for (QString& p : parcalar)
        p = kodla(p, false);
    QString sonuc = onek + parcalar.join(u'/');
    if (soru >= 0)
        sonuc += u'?' + kodla(sorgu, true);
    return sonuc;
}
