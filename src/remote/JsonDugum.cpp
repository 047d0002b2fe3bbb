#include "JsonDugum.h"

#include "UzakHatalar.h"

using namespace simdjson;

namespace {
[[noreturn]] void bozuk(error_code e) {
    throw EProtocolError(QStringLiteral("Sunucu yanıtı çözülemedi: %1").arg(QString::fromUtf8(error_message(e))));
}

template <class T> T al(simdjson_result<T>&& r) {
    T v{};
    if (auto e = std::move(r).get(v))
        bozuk(e);
    return v;
}
} // namespace

const JsonDugum* JsonDugum::Uye(std::string_view ad) const {
    for (const auto& [k, v] : uyeler)
        if (k == ad)
            return &v;
    return nullptr;
}

JsonDugum JsonDugum::Oku(ondemand::value deger) {
    JsonDugum d;
    switch (al(deger.type())) {
    case ondemand::json_type::null:
        if (!deger.is_null())
            bozuk(INCORRECT_TYPE);
        d.tur = Tur::Bos;
        break;
    case ondemand::json_type::boolean:
        d.tur = Tur::Mantiksal;
        d.mantiksal = al(deger.get_bool());
        break;
    case ondemand::json_type::number: {
        const ondemand::number_type nt = al(deger.get_number_type());
        if (nt == ondemand::number_type::signed_integer) {
            d.tur = Tur::Tamsayi;
            d.tamsayi = al(deger.get_int64());
        } else {
            d.tur = Tur::Ondalik;
            d.ondalik = al(deger.get_double());
        }
        break;
    }
    case ondemand::json_type::string: {
        d.tur = Tur::Metin;
        const std::string_view s = al(deger.get_string());
        d.metin = QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
        break;
    }
    case ondemand::json_type::array:
        d.tur = Tur::Dizi;
        for (auto eleman : al(deger.get_array()))
            d.elemanlar.push_back(Oku(al(std::move(eleman))));
        break;
    case ondemand::json_type::object:
        d.tur = Tur::Nesne;
        for (auto alan : al(deger.get_object())) {
            ondemand::field f = al(std::move(alan));
            const std::string_view k = al(f.unescaped_key());
            std::string anahtar(k);
            d.uyeler.emplace_back(std::move(anahtar), Oku(f.value()));
        }
        break;
    }
    return d;
}
