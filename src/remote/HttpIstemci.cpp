#include "HttpIstemci.h"

#include "UzakHatalar.h"

#include <curl/curl.h>
#include <simdjson.h>

#include <mutex>

namespace {
struct Aktarim {
    HttpYanit* yanit;
    std::int64_t enBuyuk;
    bool fazla = false;
    const IlerlemeBildirimi* ilerleme;
};

std::size_t govdeYaz(char* p, std::size_t boy, std::size_t adet, void* kullanici) {
    auto* a = static_cast<Aktarim*>(kullanici);
    const std::size_t n = boy * adet;
    if (a->enBuyuk > 0 && static_cast<std::int64_t>(a->yanit->govde.size() + n) > a->enBuyuk) {
        a->fazla = true;
        return 0; // stops the transfer
    }
    a->yanit->govde.append(p, n);
    return n;
}

std::size_t baslikYaz(char* p, std::size_t boy, std::size_t adet, void* kullanici) {
    auto* a = static_cast<Aktarim*>(kullanici);
    const std::size_t n = boy * adet;
    const QByteArray satir = QByteArray(p, static_cast<qsizetype>(n)).trimmed();
    const qsizetype ik = satir.indexOf(':');
    if (ik > 0) {
        const QByteArray ad = satir.left(ik).trimmed().toLower();
        if (ad == "pragma")
            a->yanit->pragma = satir.mid(ik + 1).trimmed();
        else if (ad == "content-type")
            a->yanit->icerikTuru = satir.mid(ik + 1).trimmed();
    } else if (satir.startsWith("HTTP/")) {
        // A new status line (after a redirect or 100): forget the headers of the one before.
        a->yanit->pragma.clear();
        a->yanit->icerikTuru.clear();
    }
    return n;
}

int ilerlemeBildir(void* kullanici, curl_off_t toplam, curl_off_t alinan, curl_off_t, curl_off_t) {
    auto* a = static_cast<Aktarim*>(kullanici);
    if (a->ilerleme && *a->ilerleme && !(*a->ilerleme)(alinan, toplam))
        return 1;
    return 0;
}

void kutuphaneyiBaslat() {
    static std::once_flag bir;
    std::call_once(bir, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}
} // namespace

HttpIstemci::HttpIstemci() {
    kutuphaneyiBaslat();
    curl_ = curl_easy_init();
}

HttpIstemci::~HttpIstemci() { curl_easy_cleanup(static_cast<CURL*>(curl_)); }

HttpYanit HttpIstemci::Get(const QByteArray& url, const QList<QByteArray>& basliklar, const HttpSinirlari& sinir,
                           const IlerlemeBildirimi& ilerleme) {
    return gonder(url, basliklar, nullptr, sinir, ilerleme);
}

HttpYanit HttpIstemci::Post(const QByteArray& url, const QList<QByteArray>& basliklar, const std::string& govde,
                            const HttpSinirlari& sinir) {
    return gonder(url, basliklar, &govde, sinir, {});
}

HttpYanit HttpIstemci::gonder(const QByteArray& url, const QList<QByteArray>& basliklar, const std::string* govde,
                              const HttpSinirlari& sinir, const IlerlemeBildirimi& ilerleme) {
    CURL* c = static_cast<CURL*>(curl_);
    if (!c)
        throw EConnectionError(QStringLiteral("Ağ kitaplığı başlatılamadı."));
    curl_easy_reset(c);
    HttpYanit yanit;
    Aktarim aktarim{&yanit, sinir.enBuyuk, false, &ilerleme};

    curl_slist* liste = nullptr;
    for (const QByteArray& b : basliklar)
        liste = curl_slist_append(liste, b.constData());
    liste = curl_slist_append(liste, "Expect:"); // never wait for 100-continue

    curl_easy_setopt(c, CURLOPT_URL, url.constData());
    curl_easy_setopt(c, CURLOPT_HTTPHEADER, liste);
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT_MS, sinir.baglantiMs);
    if (sinir.toplamMs > 0)
        curl_easy_setopt(c, CURLOPT_TIMEOUT_MS, sinir.toplamMs);
    if (sinir.sessizlikSn > 0) {
        curl_easy_setopt(c, CURLOPT_LOW_SPEED_LIMIT, 1L);
        curl_easy_setopt(c, CURLOPT_LOW_SPEED_TIME, sinir.sessizlikSn);
    }
    if (sinir.enBuyuk > 0)
        curl_easy_setopt(c, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(sinir.enBuyuk));
    curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, govdeYaz);
    curl_easy_setopt(c, CURLOPT_WRITEDATA, &aktarim);
    curl_easy_setopt(c, CURLOPT_HEADERFUNCTION, baslikYaz);
    curl_easy_setopt(c, CURLOPT_HEADERDATA, &aktarim);
    curl_easy_setopt(c, CURLOPT_ACCEPT_ENCODING, "");
    if (ilerleme) {
        curl_easy_setopt(c, CURLOPT_NOPROGRESS, 0L);
        curl_easy_setopt(c, CURLOPT_XFERINFOFUNCTION, ilerlemeBildir);
        curl_easy_setopt(c, CURLOPT_XFERINFODATA, &aktarim);
    }
    if (govde) {
        curl_easy_setopt(c, CURLOPT_POST, 1L);
        curl_easy_setopt(c, CURLOPT_POSTFIELDS, govde->data());
        curl_easy_setopt(c, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(govde->size()));
    }

    const CURLcode sonuc = curl_easy_perform(c);
    curl_slist_free_all(liste);
    if (aktarim.fazla || sonuc == CURLE_FILESIZE_EXCEEDED)
        throw EConnectionError(QStringLiteral("Sunucu yanıtı izin verilenden büyük."));
    if (sonuc == CURLE_ABORTED_BY_CALLBACK)
        throw EConnectionError(QStringLiteral("İndirme durduruldu."));
    if (sonuc != CURLE_OK)
        throw EConnectionError(QStringLiteral("Sunucuya ulaşılamadı: %1").arg(QString::fromUtf8(curl_easy_strerror(sonuc))));
    curl_easy_getinfo(c, CURLINFO_RESPONSE_CODE, &yanit.durum);
    yanit.govde.reserve(yanit.govde.size() + simdjson::SIMDJSON_PADDING);
    return yanit;
}
