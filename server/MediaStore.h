#pragma once
#include <QByteArray>
#include <QHash>
#include <QString>

class DemoDatabase;

// Generated files, made on first use and kept: product pictures on disk under the data
// directory (they survive a restart), the other media in memory.
class MediaStore {
public:
    MediaStore(DemoDatabase& db, const QString& dataDir);

    // JPEG of the part, empty when it has no picture (RESIM 0) or does not exist.
    QByteArray productPicture(int stokno);

    // Small in-memory cache for media that is the same for every call.
    QByteArray cached(const QString& key) const { return memory_.value(key); }
    void remember(const QString& key, const QByteArray& bytes) { memory_.insert(key, bytes); }

private:
    DemoDatabase& db_;
    QString pictureDir_;
    QHash<QString, QByteArray> memory_;
};
