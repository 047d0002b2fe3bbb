#pragma once
#include "JsonYazici.h"
#include "TDBXReader.h"
#include "TSonucAkimi.h"
#include "TTransferNesnesi.h"

#include <QString>

#include <simdjson.h>

#include <memory>
#include <variant>
#include <vector>

class TSQLConnection;

// What one element of a reply's result array must be.
enum class SonucTuru { Integer, Int64, Double, Boolean, String, TableReader, TablePacket, Stream, Object };

struct SonucBeklentisi {
    SonucTuru tur;
    std::unique_ptr<TTransferNesnesi> (*nesneUret)() = nullptr; // for Object
};

// One prepared server-method command ("TServerMethods1.<method>"). It writes the parameters of a
// call, executes it and keeps the results (readers, packets, streams, objects) until it is executed
// again or destroyed.
class TDSServerMethodCommand {
public:
    using Sonuc = std::variant<std::monostate, int, std::int64_t, double, bool, QString, std::unique_ptr<TDBXReader>,
                               TTableData, std::unique_ptr<TSonucAkimi>, std::unique_ptr<TTransferNesnesi>>;

    TDSServerMethodCommand(TSQLConnection& baglanti, const QString& yontem);

    const QString CommandType = QStringLiteral("DataSnap.ServerMethod");
    const QString& Text() const { return metin_; }
    const QString& Yontem() const { return yontem_; }
    bool Prepared() const { return hazir_; }
    void Prepare();

    // Parameters of the next execution, written in the method's order.
    JsonYazici& Parametreler();
    void ExecuteUpdate(const std::vector<SonucBeklentisi>& beklenen);
    int CalismaSayisi() const { return calisma_; }

    Sonuc& Deger(std::size_t i) { return sonuclar_.at(i); }

private:
    void sonucCoz(simdjson::ondemand::value deger, const SonucBeklentisi& b, Sonuc& hedef);

    TSQLConnection& baglanti_;
    QString yontem_;
    QString metin_;
    QByteArray yol_;
    bool hazir_ = false;
    int calisma_ = 0;
    JsonYazici yazici_;
    simdjson::ondemand::parser ayristirici_;
    std::vector<Sonuc> sonuclar_;
};
