#include "MediaStore.h"
#include "DemoDatabase.h"
#include "ProductPictureFactory.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

MediaStore::MediaStore(DemoDatabase& db, const QString& dataDir)
    : db_(db), pictureDir_(dataDir + QStringLiteral("/resim"))
{
    QDir().mkpath(pictureDir_);
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
