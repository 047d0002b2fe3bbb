#include "TDSServerMethodCommand.h"

#include "NesneOkuyucu.h"
#include "ProtokolSabitleri.h"
#include "TSQLConnection.h"
#include "TabloCozucu.h"
#include "UzakHatalar.h"

#include <QUrl>

#include <limits>

using namespace simdjson;

namespace {
template <class T> T al(simdjson_result<T>&& r, const QString& yontem) {
    T v{};
    if (auto e = std::move(r).get(v))
        throw EProtocolError(QStringLiteral("%1: sunucu yanıtı beklenen biçimde değil (%2).")
                                 .arg(yontem, QString::fromUtf8(error_message(e))));
    return v;
}
} // namespace

TDSServerMethodCommand::TDSServerMethodCommand(TSQLConnection& baglanti, const QString& yontem)
    : baglanti_(baglanti), yontem_(yontem), metin_(QString::fromLatin1(protokol::kSunucuSinifi) + u'.' + yontem) {}

void TDSServerMethodCommand::Prepare() {
    // The quoted name makes the server call exactly this method instead of an "update" variant.
    yol_ = QByteArray(protokol::kSunucuSinifi) + "/%22" + QUrl::toPercentEncoding(yontem_) + "%22/";
    hazir_ = true;
}

JsonYazici& TDSServerMethodCommand::Parametreler() {
    yazici_.Temizle();
    return yazici_;
}

void TDSServerMethodCommand::ExecuteUpdate(const std::vector<SonucBeklentisi>& beklenen) {
    if (!hazir_)
        Prepare();
    ++calisma_;
    sonuclar_.clear(); // results of the previous execution die here
    std::string govde = "{\"_parameters\":[";
    govde += yazici_.Sonuc();
    govde += "]}";
    yazici_.Temizle();

    HttpYanit y = baglanti_.Cagir(yontem_, yol_, govde);
    ondemand::document belge =
        al(ayristirici_.iterate(padded_string_view(y.govde.data(), y.govde.size(), y.govde.capacity())), yontem_);
    ondemand::object kok = al(belge.get_object(), yontem_);
    ondemand::array sonuc = al(kok["result"].get_array(), yontem_);

    std::vector<Sonuc> alinan(beklenen.size());
    std::size_t i = 0;
    for (auto eleman : sonuc) {
        if (i >= beklenen.size())
            throw EProtocolError(QStringLiteral("%1: sunucu yanıtında fazla değer var.").arg(yontem_));
        try {
            sonucCoz(al(std::move(eleman), yontem_), beklenen[i], alinan[i]);
        } catch (const EProtocolError& e) {
            if (e.text().startsWith(yontem_))
                throw;
            throw EProtocolError(yontem_ + QStringLiteral(": ") + e.text());
        }
        ++i;
    }
    if (i != beklenen.size())
        throw EProtocolError(QStringLiteral("%1: sunucu yanıtında eksik değer var.").arg(yontem_));
    sonuclar_ = std::move(alinan);
}

void TDSServerMethodCommand::sonucCoz(ondemand::value deger, const SonucBeklentisi& b, Sonuc& hedef) {
    switch (b.tur) {
    case SonucTuru::Integer: {
        const std::int64_t v = al(deger.get_int64(), yontem_);
        if (v < std::numeric_limits<int>::min() || v > std::numeric_limits<int>::max())
            throw EProtocolError(QStringLiteral("tamsayı sonuç sınırların dışında."));
        hedef = static_cast<int>(v);
        break;
    }
    case SonucTuru::Int64:
        hedef = al(deger.get_int64(), yontem_);
        break;
    case SonucTuru::Double:
        hedef = al(deger.get_double(), yontem_);
        break;
    case SonucTuru::Boolean:
        hedef = al(deger.get_bool(), yontem_);
        break;
    case SonucTuru::String: {
        const std::string_view s = al(deger.get_string(), yontem_);
        hedef = QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
        break;
    }
    case SonucTuru::TableReader: {
        TTableData veri;
        TabloCoz(deger, veri);
        hedef = std::make_unique<TDBXReader>(std::move(veri));
        break;
    }
    case SonucTuru::TablePacket: {
        TTableData veri;
        TabloCoz(deger, veri);
        hedef = std::move(veri);
        break;
    }
    case SonucTuru::Stream: {
        QByteArray baytlar;
        if (!al(deger.is_null(), yontem_)) {
            for (auto e : al(deger.get_array(), yontem_)) {
                const std::uint64_t v = al(al(std::move(e), yontem_).get_uint64(), yontem_);
                if (v > 255)
                    throw EProtocolError(QStringLiteral("akımda bayt olmayan bir değer var."));
                baytlar.append(static_cast<char>(v));
            }
        }
        hedef = std::make_unique<TSonucAkimi>(std::move(baytlar));
        break;
    }
    case SonucTuru::Object: {
        const JsonDugum agac = JsonDugum::Oku(deger);
        if (agac.tur == JsonDugum::Tur::Bos) {
            hedef = std::unique_ptr<TTransferNesnesi>();
            break;
        }
        std::unique_ptr<TTransferNesnesi> nesne = b.nesneUret();
        NesneOkuyucu().Oku(agac, *nesne);
        hedef = std::move(nesne);
        break;
    }
    }
}
