#pragma once
#include <QString>

#include <simdjson.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// A small JSON tree for the few objects a reply carries (tables and byte arrays are decoded
// straight from the parser, never through this).
struct JsonDugum {
    enum class Tur { Bos, Mantiksal, Tamsayi, Ondalik, Metin, Dizi, Nesne };
    Tur tur = Tur::Bos;
    bool mantiksal = false;
    std::int64_t tamsayi = 0;
    double ondalik = 0;
    QString metin;
    std::vector<JsonDugum> elemanlar;
    std::vector<std::pair<std::string, JsonDugum>> uyeler;

    const JsonDugum* Uye(std::string_view ad) const;

    // Reads a parser value into a tree; throws EProtocolError on malformed JSON.
    static JsonDugum Oku(simdjson::ondemand::value deger);
};
