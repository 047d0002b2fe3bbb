#pragma once
#include <QString>
#include <QStringView>

#include <cstdint>
#include <string_view>

// Case-insensitive text rules of the Turkish alphabet for the grids: searching and sorting.
// "I" pairs with "ı" and "İ" with "i"; ç, ğ, ö, ş, ü sort right after c, g, o, s, u.
namespace TurkishText {

// Lower case by the Turkish rules (İ → i, I → ı), every other character by Unicode.
QString fold(QStringView text);

// Whether text starts with prefix, both compared folded. An empty prefix always matches.
bool startsWithFolded(QStringView text, QStringView foldedPrefix);

// Collation of UTF-8 texts: case-insensitive, Turkish letter order, non-letters (blanks, digits,
// punctuation) before letters in code order, other scripts after. < 0, 0 or > 0.
int compare(std::string_view a, std::string_view b) noexcept;

// A number that orders like compare() over the first four characters: prefix(a) < prefix(b) implies
// compare(a, b) < 0, so a sort can decide most pairs without decoding the texts.
std::uint64_t sortPrefix(std::string_view text) noexcept;

} // namespace TurkishText
