#pragma once
#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

// A zip archive with stored (uncompressed) entries: enough for the office formats' containers.
class ZipWriter {
public:
    void add(const QString& name, const QByteArray& data);
    QByteArray finish();
    static quint32 crc32(const QByteArray& data);

private:
    QList<QPair<QByteArray, QByteArray>> entries_;
};
