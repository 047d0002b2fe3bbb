#include "ZipWriter.h"

#include <array>

namespace {

void put16(QByteArray& o, quint32 v)
{
    o.append(char(v & 0xFF));
    o.append(char((v >> 8) & 0xFF));
}

void put32(QByteArray& o, quint32 v)
{
    put16(o, v & 0xFFFF);
    put16(o, v >> 16);
}

constexpr quint32 kDosTime = (12u << 11);                          // 12:00:00
constexpr quint32 kDosDate = ((2025u - 1980u) << 9) | (1u << 5) | 1u; // 2025-01-01

} // namespace

quint32 ZipWriter::crc32(const QByteArray& data)
{
    static const std::array<quint32, 256> table = [] {
        std::array<quint32, 256> t{};
        for (quint32 i = 0; i < 256; ++i) {
            quint32 c = i;
            for (int k = 0; k < 8; ++k)
                c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[i] = c;
        }
        return t;
    }();
    quint32 crc = 0xFFFFFFFFu;
    for (char ch : data)
        crc = table[(crc ^ quint8(ch)) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

void ZipWriter::add(const QString& name, const QByteArray& data)
{
    entries_.append({name.toUtf8(), data});
}

QByteArray ZipWriter::finish()
{
    QByteArray out, central;
    for (const auto& [name, data] : entries_) {
        const quint32 crc = crc32(data), offset = quint32(out.size()), size = quint32(data.size());
        put32(out, 0x04034b50);
        put16(out, 20);
        put16(out, 0x0800); // names in UTF-8
        put16(out, 0);      // stored
        put16(out, kDosTime);
        put16(out, kDosDate);
        put32(out, crc);
        put32(out, size);
        put32(out, size);
        put16(out, quint32(name.size()));
        put16(out, 0);
        out.append(name);
        out.append(data);

        put32(central, 0x02014b50);
        put16(central, 20);
        put16(central, 20);
        put16(central, 0x0800);
        put16(central, 0);
        put16(central, kDosTime);
        put16(central, kDosDate);
        put32(central, crc);
        put32(central, size);
        put32(central, size);
        put16(central, quint32(name.size()));
        put16(central, 0);
        put16(central, 0);
        put16(central, 0);
        put16(central, 0);
        put32(central, 0);
        put32(central, offset);
        central.append(name);
    }
    const quint32 centralOffset = quint32(out.size());
    out.append(central);
    put32(out, 0x06054b50);
    put16(out, 0);
    put16(out, 0);
    put16(out, quint32(entries_.size()));
    put16(out, quint32(entries_.size()));
    put32(out, quint32(central.size()));
    put32(out, centralOffset);
    put16(out, 0);
    return out;
}
