#include "TurkishText.h"

namespace TurkishText {
namespace {

QChar foldChar(QChar c) noexcept
{
    const char16_t u = c.unicode();
    if (u == u'I')
        return QChar(u'\u0131');
    if (u == u'\u0130')
        return QChar(u'i');
    if (u < 0x80)
        return (u >= u'A' && u <= u'Z') ? QChar(char16_t(u + 32)) : c;
    return c.isSurrogate() ? c : c.toLower();
}

// Position of a lower-case letter in the Turkish alphabet (with q, w, x), or -1.
int letterIndex(char32_t cp) noexcept
{
    if (cp >= U'a' && cp <= U'z') {
        static constexpr signed char kAscii[26] = {
            0, 1, 2, 4, 5, 6, 7, 9, 11, 12, 13, 14, 15, 16, 17, 19, 20, 21, 22, 24, 25, 27, 28, 29, 30, 31};
        return kAscii[cp - U'a'];
    }
    switch (cp) {
    case U'\u00e7': return 3;   // ç
    case U'\u011f': return 8;   // ğ
    case U'\u0131': return 10;  // ı
    case U'\u00f6': return 18;  // ö
    case U'\u015f': return 23;  // ş
    case U'\u00fc': return 26;  // ü
    case U'\u00e2': return 0;   // â
    case U'\u00ee': return 11;  // î
    case U'\u00fb': return 25;  // û
    default: return -1;
    }
}

char32_t lowerTurkish(char32_t cp) noexcept
{
    if (cp == U'I')
        return U'\u0131';
    if (cp == U'\u0130')
        return U'i';
    if (cp < 0x80)
        return (cp >= U'A' && cp <= U'Z') ? cp + 32 : cp;
    return QChar::toLower(cp);
}

// 0 is kept for "end of text" so that a text sorts before its extensions.
std::uint32_t weight(char32_t cp) noexcept
{
    const char32_t lower = lowerTurkish(cp);
    const int letter = letterIndex(lower);
    if (letter >= 0)
        return 200u + static_cast<std::uint32_t>(letter);
    if (lower < 0x80)
        return static_cast<std::uint32_t>(lower) + 1u;
    return 1000u + static_cast<std::uint32_t>(lower);
}

// Decodes one code point and advances i; a malformed byte stands for itself.
char32_t next(std::string_view s, std::size_t& i) noexcept
{
    const auto b0 = static_cast<unsigned char>(s[i]);
    if (b0 < 0x80) {
        ++i;
        return b0;
    }
    const int extra = b0 >= 0xf0 ? 3 : b0 >= 0xe0 ? 2 : b0 >= 0xc0 ? 1 : 0;
    if (extra == 0 || i + static_cast<std::size_t>(extra) >= s.size()) {
        ++i;
        return b0;
    }
    char32_t cp = b0 & (0x3f >> extra);
    for (int k = 1; k <= extra; ++k) {
        const auto b = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
        if ((b & 0xc0) != 0x80) {
            ++i;
            return b0;
        }
        cp = (cp << 6) | (b & 0x3f);
    }
    i += static_cast<std::size_t>(extra) + 1;
    return cp;
}

} // namespace

QString fold(QStringView text)
{
    QString out(text.size(), Qt::Uninitialized);
    QChar* d = out.data();
    for (qsizetype i = 0; i < text.size(); ++i)
        d[i] = foldChar(text[i]);
    return out;
}

bool startsWithFolded(QStringView text, QStringView foldedPrefix)
{
    if (foldedPrefix.size() > text.size())
        return false;
    for (qsizetype i = 0; i < foldedPrefix.size(); ++i)
        if (foldChar(text[i]) != foldedPrefix[i])
            return false;
    return true;
}

int compare(std::string_view a, std::string_view b) noexcept
{
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        // Equal bytes below 0x80 have equal weights; skip the decoding for them.
        const auto ca = static_cast<unsigned char>(a[i]);
        if (ca < 0x80 && ca == static_cast<unsigned char>(b[j])) {
            ++i;
            ++j;
            continue;
        }
        const std::uint32_t wa = weight(next(a, i));
        const std::uint32_t wb = weight(next(b, j));
        if (wa != wb)
            return wa < wb ? -1 : 1;
    }
    if (i < a.size())
        return 1;
    if (j < b.size())
        return -1;
    return 0;
}

std::uint64_t sortPrefix(std::string_view text) noexcept
{
    std::uint64_t key = 0;
    std::size_t i = 0;
    for (int k = 0; k < 4; ++k) {
        std::uint32_t w = 0;
        if (i < text.size()) {
            w = weight(next(text, i));
            if (w > 0xffff)
                w = 0xffff;
        }
        key = (key << 16) | w;
    }
    return key;
}

} // namespace TurkishText
