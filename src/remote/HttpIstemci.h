#pragma once
#include <QByteArray>
#include <QList>

#include <cstdint>
#include <functional>
#include <string>

// One HTTP reply. The body keeps spare capacity after its end so the JSON parser can read it in
// place (it needs a few padding bytes past the data).
struct HttpYanit {
    long durum = 0;
    QByteArray pragma;
    QByteArray icerikTuru;
    std::string govde;
};

struct HttpSinirlari {
    long baglantiMs = 5000;
    long toplamMs = 0;          // 0: no bound on the whole transfer
    long sessizlikSn = 0;       // fail when no byte arrives for this long; 0: off
    std::int64_t enBuyuk = 0;   // largest body accepted; 0: no bound
};

// Progress of a download; answering false stops it.
using IlerlemeBildirimi = std::function<bool(std::int64_t alinan, std::int64_t toplam)>;

// A blocking HTTP/1.1 client over libcurl. Not shared between threads; it keeps its connection
// alive between requests to the same server.
class HttpIstemci {
public:
    HttpIstemci();
    ~HttpIstemci();
    HttpIstemci(const HttpIstemci&) = delete;
    HttpIstemci& operator=(const HttpIstemci&) = delete;

    // Throws EConnectionError when the server cannot be reached, the limits are exceeded or the
    // connection drops before the reply is complete.
    HttpYanit Get(const QByteArray& url, const QList<QByteArray>& basliklar, const HttpSinirlari& sinir,
                  const IlerlemeBildirimi& ilerleme = {});
    HttpYanit Post(const QByteArray& url, const QList<QByteArray>& basliklar, const std::string& govde,
                   const HttpSinirlari& sinir);

private:
    HttpYanit gonder(const QByteArray& url, const QList<QByteArray>& basliklar, const std::string* govde,
                     const HttpSinirlari& sinir, const IlerlemeBildirimi& ilerleme);
    void* curl_;
};
