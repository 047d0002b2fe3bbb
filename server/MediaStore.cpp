#include "MediaStore.h"
#include "BannerFactory.h"
#include "DemoDatabase.h"
#include "DocumentFactory.h"
#include "ProductPictureFactory.h"
#include "ScreenPictureFactory.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

MediaStore::MediaStore(DemoDatabase& db, const QString& dataDir)
    : db_(db), pictureDir_(dataDir + QStringLiteral("/resim")), documentDir_(dataDir + QStringLiteral("/belge"))
{
    QDir().mkpath(pictureDir_);
    QDir().mkpath(documentDir_);
}

QByteArray MediaStore::banner(int which)
{
    const QString key = QStringLiteral("banner%1").arg(which);
    QByteArray bytes = cached(key);
    if (bytes.isEmpty()) {
        bytes = which == 1 ? BannerFactory::headerGif() : which == 2 ? BannerFactory::stripGif() : BannerFactory::bottomBmp();
        remember(key, bytes);
    }
    return bytes;
}

QByteArray MediaStore::screenPicture(int sirano)
{
    const QString key = QStringLiteral("ekran%1").arg(sirano);
    QByteArray bytes = cached(key);
    if (!bytes.isEmpty())
        return bytes;
    QSqlQuery q = db_.exec(QStringLiteral("SELECT BASLIK,ARAMA,RENK FROM ekran WHERE SIRANO=?"), {sirano});
    if (!q.next())
        return {};
    const QString arama = q.value(1).toString().trimmed();
    const QString subtitle = arama == QStringLiteral("#KAMPANYA#") ? QStringLiteral("Kampanyalı ürünleri görmek için tıklayın")
        : arama == QStringLiteral("#YENİ#")                        ? QStringLiteral("Yeni gelen ürünlerimize göz atın")
        : arama.isEmpty()                                          ? QStringLiteral("Telmira Otomotiv B2B")
                                                                   : QStringLiteral("Ara: %1").arg(arama);
    bytes = ScreenPictureFactory::jpeg(sirano, q.value(0).toString(), subtitle, q.value(2).toInt());
    remember(key, bytes);
    return bytes;
}

QByteArray MediaStore::document(int sirano, QString* name)
{
    QSqlQuery q = db_.exec(QStringLiteral("SELECT ADI,CINS FROM belge WHERE SIRANO=?"), {sirano});
    if (!q.next())
        return {};
    *name = q.value(0).toString();
    const QString path = QStringLiteral("%1/%2_%3").arg(documentDir_).arg(sirano).arg(*name);
    QFile file(path);
    if (file.open(QIODevice::ReadOnly) && file.size() > 0)
        return file.readAll();
    const QByteArray bytes = DocumentFactory::make(db_, q.value(1).toString());
    QSaveFile out(path);
    if (!bytes.isEmpty() && out.open(QIODevice::WriteOnly)) {
        out.write(bytes);
        out.commit();
    }
    return bytes;
}

QByteArray MediaStore::productPicture(int stokno)
{
    QSqlQuery q = db_.exec(QStringLiteral("SELECT RESIM,SEKIL,BARKOD,ADI,OZELKOD,MARKA FROM stok WHERE STOK_STOKNO=?"),
                           {stokno});
    if (!q.next() || q.value(0).toInt() != 1)
        return {};
    const QString path = QStringLiteral("%1/%2.jpg").arg(pictureDir_).arg(stokno);
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        QByteArray bytes = file.readAll();
        if (bytes.startsWith("\xFF\xD8"))
            return bytes;
    }
    ProductPictureFactory::Part part;
    part.stokno = stokno;
    part.shape = q.value(1).toInt();
    part.barkod = q.value(2).toString();
    part.adi = q.value(3).toString();
    part.brand = q.value(4).toString();
    part.vehicle = q.value(5).toString();
    const QByteArray bytes = ProductPictureFactory::jpeg(part);
    QSaveFile out(path);
    if (out.open(QIODevice::WriteOnly)) {
        out.write(bytes);
        out.commit();
    }
    return bytes;
}
