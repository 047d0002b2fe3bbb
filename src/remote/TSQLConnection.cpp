#include "TSQLConnection.h"

#include "ProtokolSabitleri.h"
#include "UzakHatalar.h"

#include <simdjson.h>

TSQLConnection::TSQLConnection() : http_(std::make_unique<HttpIstemci>()) {
    Params.insert(QStringLiteral("CommunicationProtocol"), QStringLiteral("tcp/ip"));
    Params.insert(QStringLiteral("HostName"), QStringLiteral("localhost"));
    Params.insert(QStringLiteral("Port"), QString::number(protokol::kVarsayilanPort));
    Params.insert(QStringLiteral("DatasnapContext"), QString::fromLatin1(protokol::kDatasnapContext));
    Params.insert(QStringLiteral("DSProxyPort"), QStringLiteral("8090"));
    Params.insert(QStringLiteral("Filters"), QStringLiteral("{}"));
}

std::unique_ptr<TSQLConnection> TSQLConnection::Clone() const {
    auto k = std::make_unique<TSQLConnection>();
    k->ConnectionName = ConnectionName;
    k->DriverName = DriverName;
    k->DriverUnit = DriverUnit;
    k->LoginPrompt = LoginPrompt;
    k->Params = Params;
    return k;
}

QByteArray TSQLConnection::TemelAdres() const {
    QString baglam = Params.value(QStringLiteral("DatasnapContext"));
    if (!baglam.isEmpty() && !baglam.endsWith(u'/'))
        baglam += u'/';
    return QStringLiteral("http://%1:%2/%3%4")
        .arg(Params.value(QStringLiteral("HostName")), Params.value(QStringLiteral("Port")), baglam,
             QString::fromLatin1(protokol::kRestYolu))
        .toUtf8();
}

QList<QByteArray> TSQLConnection::basliklar() const {
    QList<QByteArray> b{QByteArrayLiteral("Accept: application/json")};
    if (!oturum_.isEmpty())
        b.append("Pragma: dssession=" + oturum_.toUtf8());
    return b;
}

void TSQLConnection::oturumAl(const QByteArray& pragma) {
    // Pragma: dssession=<id>[,dssessionexpires=<ms>]
    for (const QByteArray& parca : pragma.split(',')) {
        const QByteArray p = parca.trimmed();
        if (p.startsWith(QByteArray(protokol::kPragmaOturum) + '='))
            oturum_ = QString::fromUtf8(p.mid(static_cast<qsizetype>(qstrlen(protokol::kPragmaOturum)) + 1));
    }
}

void TSQLConnection::Open() {
    ++acmaDenemeleri_;
    acik_ = false;
    oturum_.clear();
    HttpSinirlari sinir;
    sinir.baglantiMs = protokol::kAcmaBaglantiSuresiMs;
    sinir.toplamMs = protokol::kAcmaToplamSureMs;
    sinir.enBuyuk = 1 << 20;
    HttpYanit y = http_->Get(TemelAdres() + protokol::kPlatformAdiYolu, basliklar(), sinir);
    if (y.durum != 200)
        throw EConnectionError(QStringLiteral("Sunucu bağlantıyı kabul etmedi (HTTP %1).").arg(y.durum));
    simdjson::ondemand::parser ayristirici;
    simdjson::ondemand::document belge;
    std::string_view platform;
    simdjson::ondemand::array sonuc;
    bool gecerli = !ayristirici.iterate(simdjson::padded_string_view(y.govde.data(), y.govde.size(), y.govde.capacity()))
                        .get(belge);
    if (gecerli)
        gecerli = !belge["result"].get_array().get(sonuc);
    if (gecerli) {
        std::size_t adet = 0;
        for (auto e : sonuc) {
            if (adet++ == 0)
                gecerli = !e.get_string().get(platform);
            else
                gecerli = false;
        }
        gecerli = gecerli && adet == 1;
    }
    if (!gecerli)
        throw EConnectionError(QStringLiteral("Sunucu beklenen protokolle yanıt vermedi."));
    oturumAl(y.pragma);
    acik_ = true;
}

void TSQLConnection::Close() {
    if (acik_ && !oturum_.isEmpty()) {
        HttpSinirlari sinir;
        sinir.baglantiMs = protokol::kKapatmaSuresiMs;
        sinir.toplamMs = protokol::kKapatmaSuresiMs;
        sinir.enBuyuk = 1 << 16;
        try {
            http_->Get(TemelAdres() + protokol::kOturumKapatYolu, basliklar(), sinir);
        } catch (const ERemoteError&) {
            // Any answer, or none, closes the session on our side.
        }
    }
    oturum_.clear();
    acik_ = false;
}

HttpYanit TSQLConnection::Cagir(const QString& yontem, const QByteArray& yol, const std::string& govde) {
    HttpSinirlari sinir;
    sinir.baglantiMs = protokol::kCagriBaglantiSuresiMs;
    sinir.sessizlikSn = protokol::kCagriSessizlikSuresiSn;
    sinir.enBuyuk = protokol::kEnBuyukYanit;
    QList<QByteArray> b = basliklar();
    b.append(QByteArrayLiteral("Content-Type: text/plain;charset=UTF-8"));
    HttpYanit y = http_->Post(TemelAdres() + yol, b, govde, sinir);
    if (y.durum == 403 && y.govde.find("SessionExpired") != std::string::npos) {
        Open();
        b = basliklar();
        b.append(QByteArrayLiteral("Content-Type: text/plain;charset=UTF-8"));
        y = http_->Post(TemelAdres() + yol, b, govde, sinir);
    }
    if (y.durum == 200)
        return y;

    if (y.durum == 500) {
        simdjson::ondemand::parser ayristirici;
        simdjson::ondemand::document belge;
        std::string_view mesaj;
        if (!ayristirici.iterate(simdjson::padded_string_view(y.govde.data(), y.govde.size(), y.govde.capacity()))
                 .get(belge) &&
            !belge["error"].get_string().get(mesaj))
            throw EServerError(QString::fromUtf8(mesaj.data(), static_cast<qsizetype>(mesaj.size())));
        throw EProtocolError(QStringLiteral("%1: sunucu hatası okunamadı (HTTP 500).").arg(yontem));
    }
    if (y.durum == 401 || y.durum == 403)
        throw EAuthError(QStringLiteral("%1: sunucu yetki vermedi (HTTP %2).").arg(yontem).arg(y.durum));
    if (y.durum == 404 || y.durum == 501)
        throw EConfigError(QStringLiteral("%1: sunucuda bu yöntem bulunamadı (HTTP %2).").arg(yontem).arg(y.durum));
    throw EProtocolError(QStringLiteral("%1: sunucudan beklenmeyen yanıt (HTTP %2).").arg(yontem).arg(y.durum));
}
