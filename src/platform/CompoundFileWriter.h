#pragma once
#include <QByteArray>
#include <QString>
#include <vector>

class QIODevice;

// Writes an OLE2 compound file (version 3, 512-byte sectors) holding a few streams under the root
// storage. Streams go into regular sectors only, so each must be at least MinStreamSize bytes
// (smaller ones would belong to the mini stream, which this writer does not make).
class CompoundFileWriter {
public:
    static constexpr qint64 SectorSize = 512;
    static constexpr qint64 MinStreamSize = 4096;
    static constexpr qint64 MaxStreamSize = 0x7FFFFFFF;

    // Throws std::invalid_argument for a name longer than 31 characters, a duplicate name or a
    // stream outside [MinStreamSize, MaxStreamSize]. The data is shared, not copied.
    void addStream(const QString& name, const QByteArray& data);

    // Size of the whole file in bytes.
    qint64 fileSize() const;
    // False when the device refuses a write.
    bool write(QIODevice& out) const;

private:
    struct Layout {
        quint32 streamSectors = 0;
        quint32 fatSectors = 0;
        quint32 difatSectors = 0;
        quint32 directorySectors = 0;
        quint32 total() const { return streamSectors + fatSectors + difatSectors + directorySectors; }
    };
    struct Stream {
        QString name;
        QByteArray data;
    };

    Layout layout() const;
    QByteArray header(const Layout& l) const;
    QByteArray directory(const Layout& l) const;

    std::vector<Stream> streams_;
};
