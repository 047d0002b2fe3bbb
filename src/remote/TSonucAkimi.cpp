#include "TSonucAkimi.h"

#include <cstring>

std::int64_t TSonucAkimi::Read(char* hedef, std::int64_t adet) {
    ++okumalar_;
    const std::int64_t n = std::clamp<std::int64_t>(adet, 0, veri_.size() - konum_);
    if (n > 0)
        std::memcpy(hedef, veri_.constData() + konum_, static_cast<std::size_t>(n));
    konum_ += n;
    return n;
}

std::optional<QByteArray> TSonucAkimi::Oku(TSonucAkimi* akim, std::int64_t boy) {
    if (boy == 0 || !akim)
        return std::nullopt;
    constexpr std::int64_t kParca = 1024;
    QByteArray tampon;
    akim->SetPosition(0);
    char parca[kParca];
    for (;;) {
        const std::int64_t n = akim->Read(parca, kParca);
        tampon.append(parca, static_cast<qsizetype>(n));
        if (n < kParca)
            break;
    }
    if (tampon.size() != boy)
        return std::nullopt;
    return tampon;
}
