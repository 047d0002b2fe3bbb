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

    // Banner 1 (header, animated GIF), 2 (top strip, GIF), 3 (bottom, BMP).
    QByteArray banner(int which);
    // JPEG of an announcement / advertisement, empty when there is no such entry.
    QByteArray screenPicture(int sirano);
    // A downloadable document and its file name; empty when unknown.
    QByteArray document(int sirano, QString* name);

    // Small in-memory cache for media that is the same for every call.
    QByteArray cached(const QString& key) const { return memory_.value(key); }
    void remember(const QString& key, const QByteArray& bytes) { memory_.insert(key, bytes); }

private:
    DemoDatabase& db_;
    QString pictureDir_;
    QString documentDir_;
    QHash<QString, QByteArray> memory_;
};
