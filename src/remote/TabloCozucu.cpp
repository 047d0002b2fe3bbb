#include "TabloCozucu.h"

#include "DateTimeCodec.h"
#include "ProtokolSabitleri.h"
#include "UzakHatalar.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace simdjson;

[[noreturn]] void Hata(const QString& neden)
{
    throw EProtocolError(QStringLiteral("Tablo çözülemedi: ") + neden);
}

QString Metin(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

[[noreturn]] void JsonHatasi(error_code kod)
{
    Hata(QStringLiteral("geçersiz JSON (%1)").arg(QLatin1String(error_message(kod))));
}

template <class T>
T Al(simdjson_result<T>&& sonuc)
{
    T deger;
    if (const error_code kod = std::move(sonuc).get(deger))
        JsonHatasi(kod);
    return deger;
}

// One column as the descriptor announces it, and its values once they arrived.
struct Kolon {
    std::string ad;
    TFieldDef tanim;
    std::int64_t enKucuk = 0;
    std::int64_t enBuyuk = 0;
    std::optional<TColumn> veri;
};

bool TurEsle(std::int64_t dbx, Kolon& k)
{
    using namespace protokol;
    switch (dbx) {
    case DbxAnsiString:
    case DbxWideString: k.tanim.DataType = TFieldType::String; return true;
    case DbxInt16:
        k.tanim.DataType = TFieldType::Integer;
        k.enKucuk = INT16_MIN;
        k.enBuyuk = INT16_MAX;
        return true;
    case DbxInt32:
        k.tanim.DataType = TFieldType::Integer;
        k.enKucuk = INT32_MIN;
        k.enBuyuk = INT32_MAX;
        return true;
    case DbxInt64: k.tanim.DataType = TFieldType::LargeInt; return true;
    case DbxDouble: k.tanim.DataType = TFieldType::Float; return true;
    case DbxBcd:
    case DbxCurrency: k.tanim.DataType = TFieldType::BCD; return true;
    case DbxDate: k.tanim.DataType = TFieldType::Date; return true;
    case DbxDateTime:
    case DbxTimeStamp: k.tanim.DataType = TFieldType::DateTime; return true;
    case DbxBoolean: k.tanim.DataType = TFieldType::Boolean; return true;
    default: return false;
    }
}

// [name, dbxType, ordinal, subType, scale, size, ...]: the client reads 0, 1, 2 and 5.
std::vector<Kolon> TanimlariOku(ondemand::value deger)
{
    ondemand::array tanimlar;
    if (deger.get_array().get(tanimlar))
        Hata(QStringLiteral("\"table\" bir dizi değil"));
    std::vector<Kolon> kolonlar;
    for (auto eleman : tanimlar) {
        const int sira = static_cast<int>(kolonlar.size()) + 1;
        const auto tanimHatasi = [sira](const char* neden) {
            Hata(QStringLiteral("%1. kolon tanımı geçersiz: %2").arg(sira).arg(QString::fromUtf8(neden)));
        };
        ondemand::array dizi;
        if (Al(std::move(eleman)).get_array().get(dizi))
            tanimHatasi("bir dizi değil");
        Kolon k;
        std::int64_t dbx = 0;
        int i = 0;
        for (auto oge : dizi) {
            ondemand::value v = Al(std::move(oge));
            std::string_view ad;
            std::int64_t sayi = 0;
            if (i == 0) {
                if (v.get_string().get(ad) || ad.empty())
                    tanimHatasi("ad bir metin değil");
                k.ad.assign(ad);
            } else if (i == 1 || i == 2 || i == 5) {
                if (v.get_int64().get(sayi))
                    tanimHatasi(i == 1 ? "dbxType bir tamsayı değil" : i == 2 ? "sıra bir tamsayı değil"
                                                                              : "boy bir tamsayı değil");
                if (i == 1)
                    dbx = sayi;
                else if (i == 5 && (sayi < 0 || sayi > INT32_MAX))
                    tanimHatasi("boy geçersiz");
                else if (i == 5)
                    k.tanim.Size = static_cast<int>(sayi);
            }
            ++i;
        }
        if (i < 6)
            tanimHatasi("en az 6 öğe gerekir");
        k.tanim.Name = Metin(k.ad);
        if (!TurEsle(dbx, k))
            Hata(QStringLiteral("'%1' kolonunun türü bilinmiyor (dbxType %2)").arg(k.tanim.Name).arg(dbx));
        for (const Kolon& onceki : kolonlar)
            if (onceki.tanim.Name.compare(k.tanim.Name, Qt::CaseInsensitive) == 0)
                Hata(QStringLiteral("'%1' kolonu iki kez tanımlı").arg(k.tanim.Name));
        kolonlar.push_back(std::move(k));
    }
    return kolonlar;
}

// Whether a backslash occurs in [p, p+n), eight bytes at a time (strings here are short; a call to
// memchr costs more than the scan).
bool KacisVar(const char* p, std::size_t n) noexcept
{
    constexpr std::uint64_t kBirler = 0x0101010101010101ULL;
    constexpr std::uint64_t kUstler = 0x8080808080808080ULL;
    std::size_t i = 0;
    for (; i + 8 <= n; i += 8) {
        std::uint64_t w;
        std::memcpy(&w, p + i, 8);
        w ^= kBirler * '\\';
        if ((w - kBirler) & ~w & kUstler)
            return true;
    }
    for (; i < n; ++i)
        if (p[i] == '\\')
            return true;
    return false;
}

// A string value: taken straight from the input when it holds no escape (most do), which spares the
// copy into the parser's string buffer; otherwise unescaped by simdjson. False when not a string.
bool MetinAl(ondemand::value& v, std::string_view& s)
{
    std::string_view t = v.raw_json_token();
    if (t.empty() || t[0] != '"')
        return false;
    // The token runs to the next structural character: trailing blanks may follow the quote.
    while (t.size() > 1 && (t.back() == ' ' || t.back() == '\n' || t.back() == '\r' || t.back() == '\t'))
        t.remove_suffix(1);
    if (t.size() >= 2 && t.back() == '"' && !KacisVar(t.data() + 1, t.size() - 2)) {
        s = t.substr(1, t.size() - 2);
        return true;
    }
    return v.get_string().get(s) == SUCCESS;
}

bool BcdMetni(std::string_view s, double& v)
{
    const char* son = s.data() + s.size();
    const auto r = std::from_chars(s.data(), son, v);
    return r.ec == std::errc() && r.ptr == son && std::isfinite(v);
}

// Reads the values of one column. Each reader tries the column's own kind first; a value that is not
// of that kind must be null.
class KolonOkuyucu {
public:
    KolonOkuyucu(Kolon& k, int& satirSayisi, std::string& tampon)
        : k_(k), satirSayisi_(satirSayisi), tampon_(tampon), c_(k.tanim)
    {
    }

    void Oku(ondemand::value deger)
    {
        ondemand::array dizi;
        if (deger.get_array().get(dizi))
            Hata(QStringLiteral("'%1' kolonu bir dizi değil").arg(k_.tanim.Name));
        // Size the column before filling it: the first column counts its elements (a cheap pass over
        // the tokens), and a text column's raw JSON bounds its unescaped bytes. No growth, no copies.
        if (satirSayisi_ < 0) {
            std::size_t n = 0;
            if (const error_code kod = dizi.count_elements().get(n))
                JsonHatasi(kod);
            if (n > static_cast<std::size_t>(INT32_MAX))
                Hata(QStringLiteral("'%1' kolonunda çok fazla değer var").arg(k_.tanim.Name));
            satirSayisi_ = static_cast<int>(n);
        }
        c_.Reserve(satirSayisi_);
        switch (k_.tanim.DataType) {
        case TFieldType::String:
            c_.BorrowArena(tampon_);
            Her(dizi, "metin", [this](ondemand::value& v) {
                std::string_view s;
                if (!MetinAl(v, s))
                    return false;
                c_.AppendString(s);
                return true;
            });
            c_.ReturnArena(tampon_);
            break;
        case TFieldType::Integer:
            Her(dizi, "tamsayı", [this](ondemand::value& v) {
                std::int64_t n = 0;
                if (v.get_int64().get(n))
                    return false;
                if (n < k_.enKucuk || n > k_.enBuyuk)
                    Gecersiz("aralık dışında");
                c_.AppendInteger(static_cast<std::int32_t>(n));
                return true;
            });
            break;
        case TFieldType::LargeInt:
            Her(dizi, "64 bit tamsayı", [this](ondemand::value& v) {
                std::int64_t n = 0;
                if (v.get_int64().get(n))
                    return false;
                c_.AppendLargeInt(n);
                return true;
            });
            break;
        case TFieldType::Float:
            Her(dizi, "sayı", [this](ondemand::value& v) {
                double d = 0;
                if (v.get_double().get(d))
                    return false;
                c_.AppendFloat(d);
                return true;
            });
            break;
        case TFieldType::BCD:
            Her(dizi, "sayı", [this](ondemand::value& v) {
                double d = 0;
                std::string_view s;
                if (v.get_double().get(d) == SUCCESS) {
                    c_.AppendFloat(d);
                    return true;
                }
                if (!MetinAl(v, s))
                    return false;
                if (!BcdMetni(s, d))
                    Gecersiz("sayı değil");
                c_.AppendFloat(d);
                return true;
            });
            break;
        case TFieldType::Date:
        case TFieldType::DateTime:
            Her(dizi, "tarih", [this](ondemand::value& v) {
                std::string_view s;
                double d = 0;
                if (!MetinAl(v, s))
                    return false;
                if (!DateTimeCodec::ParseIso(s, d))
                    Gecersiz("tarih değil");
                c_.AppendFloat(d);
                return true;
            });
            break;
        case TFieldType::Boolean:
            Her(dizi, "mantıksal değer", [this](ondemand::value& v) {
                bool b = false;
                if (v.get_bool().get(b))
                    return false;
                c_.AppendBoolean(b);
                return true;
            });
            break;
        }
        if (c_.Count() != satirSayisi_)
            UzunlukHatasi();
        c_.ShrinkToFit();
        k_.veri = std::move(c_);
    }

private:
    template <class Okuyucu>
    void Her(ondemand::array& dizi, const char* beklenen, Okuyucu&& oku)
    {
        for (auto eleman : dizi) {
            ondemand::value v;
            if (const error_code kod = std::move(eleman).get(v))
                JsonHatasi(kod);
            if (c_.Count() >= satirSayisi_)
                UzunlukHatasi();
            if (oku(v))
                continue;
            ondemand::json_type tur{};
            if (const error_code kod = v.type().get(tur))
                JsonHatasi(kod);
            if (tur != ondemand::json_type::null)
                Gecersiz(QStringLiteral("%1 değil").arg(QString::fromUtf8(beklenen)));
            bool bos = false;
            if (const error_code kod = v.is_null().get(bos))
                JsonHatasi(kod);
            if (!bos)
                JsonHatasi(N_ATOM_ERROR);
            c_.AppendNull();
        }
    }

    [[noreturn]] void Gecersiz(const QString& neden) const
    {
        Hata(QStringLiteral("'%1' kolonunun %2. değeri %3").arg(k_.tanim.Name).arg(c_.Count() + 1).arg(neden));
    }

    [[noreturn]] void UzunlukHatasi() const
    {
        Hata(QStringLiteral("'%1' kolonunun değer sayısı diğer kolonlarınkinden farklı").arg(k_.tanim.Name));
    }

    Kolon& k_;
    int& satirSayisi_;
    std::string& tampon_;
    TColumn c_;
};

} // namespace

void TabloCoz(ondemand::value deger, TTableData& hedef)
{
    ondemand::object nesne;
    if (deger.get_object().get(nesne))
        Hata(QStringLiteral("tablo bir JSON nesnesi değil"));
    std::vector<Kolon> kolonlar;
    bool tanimlar = false;
    int satirSayisi = -1;
    std::string metinTamponu;  // lent to each text column in turn
    for (auto alan : nesne) {
        ondemand::field f = Al(std::move(alan));
        const std::string_view anahtar = Al(f.unescaped_key());
        if (!tanimlar) {
            if (anahtar != "table")
                Hata(QStringLiteral("'%1' kolonu \"table\" tanımından önce geldi").arg(Metin(anahtar)));
            kolonlar = TanimlariOku(f.value());
            tanimlar = true;
            continue;
        }
        Kolon* k = nullptr;
        for (Kolon& aday : kolonlar)
            if (aday.ad == anahtar) {
                k = &aday;
                break;
            }
        if (!k)
            Hata(QStringLiteral("'%1' kolonu tabloda tanımlı değil").arg(Metin(anahtar)));
        if (k->veri)
            Hata(QStringLiteral("'%1' kolonu iki kez geldi").arg(k->tanim.Name));
        KolonOkuyucu(*k, satirSayisi, metinTamponu).Oku(f.value());
    }
    if (!tanimlar)
        Hata(QStringLiteral("\"table\" tanımı yok"));
    TTableData tablo;
    for (Kolon& k : kolonlar) {
        if (!k.veri)
            Hata(QStringLiteral("'%1' kolonunun değerleri yok").arg(k.tanim.Name));
        tablo.AddColumn(std::move(*k.veri));
    }
    hedef = std::move(tablo);
}

void TabloCozMetin(padded_string_view json, TTableData& hedef)
{
    // One parser per thread: a fresh one pays the page faults of its index buffers on every table
    // (about a tenth of the decode of a large one); a kept one holds the pages of its largest text.
    static thread_local ondemand::parser ayristirici;
    ondemand::document belge = Al(ayristirici.iterate(json));
    TabloCoz(Al(belge.get_value()), hedef);
    // At the end of the text the iterator has no location left.
    if (belge.current_location().error() != OUT_OF_BOUNDS)
        Hata(QStringLiteral("tablodan sonra fazladan veri var"));
}

void TabloCozMetin(std::string_view json, TTableData& hedef)
{
    const padded_string metin(json);
    TabloCozMetin(padded_string_view(metin), hedef);
}
