#include "CompoundFileWriter.h"
#include <QIODevice>
#include <QtEndian>
#include <algorithm>
#include <numeric>
#include <stdexcept>

namespace {

constexpr quint32 kFreeSect = 0xFFFFFFFF;
constexpr quint32 kEndOfChain = 0xFFFFFFFE;
constexpr quint32 kFatSect = 0xFFFFFFFD;
constexpr quint32 kDifSect = 0xFFFFFFFC;
constexpr quint32 kNoStream = 0xFFFFFFFF;
constexpr int kEntrySize = 128;
constexpr int kEntriesPerSector = 4;
constexpr quint32 kIdsPerSector = 128;
constexpr int kHeaderDifatEntries = 109;

void put16(QByteArray& b, int at, quint16 v) { qToLittleEndian(v, b.data() + at); }
void put32(QByteArray& b, int at, quint32 v) { qToLittleEndian(v, b.data() + at); }

quint32 sectorsFor(qint64 bytes)
{
    return quint32((bytes + CompoundFileWriter::SectorSize - 1) / CompoundFileWriter::SectorSize);
}

// Directory order: shorter names first, then by upper-case code units.
bool nameLess(const QString& a, const QString& b)
{
    if (a.size() != b.size())
        return a.size() < b.size();
    return a.toUpper() < b.toUpper();
}

} // namespace

void CompoundFileWriter::addStream(const QString& name, const QByteArray& data)
{
    if (name.isEmpty() || name.size() > 31)
        throw std::invalid_argument("compound file: stream name must have 1 to 31 characters");
    if (data.size() < MinStreamSize || data.size() > MaxStreamSize)
        throw std::invalid_argument("compound file: stream size outside the supported range");
    for (const Stream& s : streams_) {
        if (s.name.compare(name, Qt::CaseInsensitive) == 0)
            throw std::invalid_argument("compound file: duplicate stream name");
    }
    streams_.push_back({name, data});
}

CompoundFileWriter::Layout CompoundFileWriter::layout() const
{
    Layout l;
    for (const Stream& s : streams_)
        l.streamSectors += sectorsFor(s.data.size());
    l.directorySectors = quint32((streams_.size() + 1 + kEntriesPerSector - 1) / kEntriesPerSector);
    // The FAT must also cover its own sectors and the DIFAT's: grow both until they fit.
    for (;;) {
        const quint32 fat = (l.total() + kIdsPerSector - 1) / kIdsPerSector;
        const quint32 difat = fat > quint32(kHeaderDifatEntries)
            ? (fat - kHeaderDifatEntries + kIdsPerSector - 2) / (kIdsPerSector - 1)
            : 0;
        if (fat == l.fatSectors && difat == l.difatSectors)
            return l;
        l.fatSectors = std::max(fat, l.fatSectors);
        l.difatSectors = std::max(difat, l.difatSectors);
    }
}

qint64 CompoundFileWriter::fileSize() const
{
    return SectorSize * (1 + qint64(layout().total()));
}

QByteArray CompoundFileWriter::header(const Layout& l) const
{
    QByteArray h(int(SectorSize), '\0');
    static const unsigned char signature[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
    std::copy(signature, signature + 8, h.begin());
    put16(h, 0x18, 0x003E); // minor version
    put16(h, 0x1A, 0x0003); // major version 3
    put16(h, 0x1C, 0xFFFE); // little-endian
    put16(h, 0x1E, 9);      // 512-byte sectors
    put16(h, 0x20, 6);      // 64-byte mini sectors
    put32(h, 0x2C, l.fatSectors);
    const quint32 fatStart = l.streamSectors;
    const quint32 difatStart = fatStart + l.fatSectors;
    put32(h, 0x30, difatStart + l.difatSectors); // first directory sector
    put32(h, 0x38, quint32(MinStreamSize));
    put32(h, 0x3C, kEndOfChain); // no mini FAT
    put32(h, 0x44, l.difatSectors ? difatStart : kEndOfChain);
    put32(h, 0x48, l.difatSectors);
    for (int i = 0; i < kHeaderDifatEntries; ++i)
        put32(h, 0x4C + 4 * i, quint32(i) < l.fatSectors ? fatStart + quint32(i) : kFreeSect);
    return h;
}

QByteArray CompoundFileWriter::directory(const Layout& l) const
{
    QByteArray d(int(l.directorySectors * SectorSize), '\0');
    const int count = int(streams_.size()) + 1;
    for (int id = 0; id < int(l.directorySectors) * kEntriesPerSector; ++id) {
        put32(d, id * kEntrySize + 0x44, kNoStream);
        put32(d, id * kEntrySize + 0x48, kNoStream);
        put32(d, id * kEntrySize + 0x4C, kNoStream);
    }
    auto entry = [&](int id, const QString& name, quint8 type, quint32 start, quint32 size) {
        const int at = id * kEntrySize;
        for (int i = 0; i < name.size(); ++i)
            put16(d, at + 2 * i, name.at(i).unicode());
        put16(d, at + 0x40, quint16(2 * (name.size() + 1)));
        d[at + 0x42] = char(type);
        d[at + 0x43] = 1; // black
        put32(d, at + 0x74, start);
        put32(d, at + 0x78, size);
    };
    entry(0, QStringLiteral("Root Entry"), 5, kEndOfChain, 0);
    quint32 sector = 0;
    for (int i = 0; i < int(streams_.size()); ++i) {
        const QByteArray& data = streams_[std::size_t(i)].data;
        entry(i + 1, streams_[std::size_t(i)].name, 2, sector, quint32(data.size()));
        sector += sectorsFor(data.size());
    }
    // The root's children form a binary search tree; a balanced one with black nodes suffices.
    std::vector<int> order(streams_.size());
    std::iota(order.begin(), order.end(), 1);
    std::sort(order.begin(), order.end(), [this](int a, int b) {
        return nameLess(streams_[std::size_t(a - 1)].name, streams_[std::size_t(b - 1)].name);
    });
    auto build = [&](auto&& self, int lo, int hi) -> quint32 {
        if (lo > hi)
            return kNoStream;
        const int mid = (lo + hi) / 2;
        const int id = order[std::size_t(mid)];
        put32(d, id * kEntrySize + 0x44, self(self, lo, mid - 1));
        put32(d, id * kEntrySize + 0x48, self(self, mid + 1, hi));
        return quint32(id);
    };
    put32(d, 0x4C, build(build, 0, count - 2));
    return d;
}

bool CompoundFileWriter::write(QIODevice& out) const
{
    const Layout l = layout();
    if (out.write(header(l)) != SectorSize)
        return false;

    QByteArray fat(int(l.fatSectors * SectorSize), char(0xFF)); // free
    auto link = [&fat](quint32 index, quint32 next) { put32(fat, int(4 * index), next); };
    quint32 sector = 0;
    for (const Stream& s : streams_) {
        const quint32 n = sectorsFor(s.data.size());
        for (quint32 i = 0; i < n; ++i)
            link(sector + i, i + 1 < n ? sector + i + 1 : kEndOfChain);
        sector += n;

        if (out.write(s.data) != s.data.size())
            return false;
        const qint64 pad = qint64(n) * SectorSize - s.data.size();
        if (pad && out.write(QByteArray(int(pad), '\0')) != pad)
            return false;
    }
    const quint32 fatStart = sector;
    for (quint32 i = 0; i < l.fatSectors; ++i)
        link(fatStart + i, kFatSect);
    const quint32 difatStart = fatStart + l.fatSectors;
    for (quint32 i = 0; i < l.difatSectors; ++i)
        link(difatStart + i, kDifSect);
    const quint32 dirStart = difatStart + l.difatSectors;
    for (quint32 i = 0; i < l.directorySectors; ++i)
        link(dirStart + i, i + 1 < l.directorySectors ? dirStart + i + 1 : kEndOfChain);

    // FAT sectors past the 109 in the header are listed in DIFAT sectors, 127 each plus a link.
    QByteArray difat(int(l.difatSectors * SectorSize), char(0xFF));
    for (quint32 i = kHeaderDifatEntries; i < l.fatSectors; ++i) {
        const quint32 k = i - kHeaderDifatEntries;
        put32(difat, int(SectorSize * (k / (kIdsPerSector - 1)) + 4 * (k % (kIdsPerSector - 1))), fatStart + i);
    }
    for (quint32 j = 0; j < l.difatSectors; ++j)
        put32(difat, int(SectorSize * j + SectorSize - 4),
              j + 1 < l.difatSectors ? difatStart + j + 1 : kEndOfChain);

    const QByteArray dir = directory(l);
    return out.write(fat) == fat.size() && out.write(difat) == difat.size() && out.write(dir) == dir.size();
}
