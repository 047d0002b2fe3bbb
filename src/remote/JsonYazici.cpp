#include "JsonYazici.h"

#include "AlanZiyaretcisi.h"
#include "EHata.h"
#include "TTransferNesnesi.h"

#include <charconv>
#include <cmath>

// Writes each visited field as one member of "fields".
class NesneYazici : public AlanZiyaretcisi {
public:
    NesneYazici(JsonYazici& y, int& sonrakiId) : y_(y), id_(sonrakiId) {}
    void alan(const char* ad, QString& d) override { y_.anahtar(ad); y_.Metin(d); }
    void alan(const char* ad, int& d) override { y_.anahtar(ad); y_.Tamsayi(d); }
    void alan(const char* ad, double& d) override { y_.anahtar(ad); y_.Ondalik(d); }
    void alan(const char* ad, bool& d) override { y_.anahtar(ad); y_.Mantiksal(d); }
    void alan(const char* ad, NesneDizisi& dizi) override {
        y_.anahtar(ad);
        y_.DiziBasla();
        for (int i = 0; i < dizi.Sayi(); ++i) {
            y_.ayirici();
            y_.nesneYaz(dizi.Eleman(i), id_);
        }
        y_.DiziBitir();
    }

private:
    JsonYazici& y_;
    int& id_;
};

void JsonYazici::ayirici() {
    if (!ilk_)
        out_.push_back(',');
    ilk_ = false;
}

void JsonYazici::anahtar(const char* ad) {
    ayirici();
    out_.push_back('"');
    out_.append(ad);
    out_.append("\":");
    ilk_ = true; // the value that follows needs no separator
}

void JsonYazici::DiziBasla() {
    ayirici();
    out_.push_back('[');
    ilk_ = true;
}

void JsonYazici::DiziBitir() {
    out_.push_back(']');
    ilk_ = false;
}

void JsonYazici::hamMetin(const char* p, std::size_t n) {
    out_.push_back('"');
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned char c = static_cast<unsigned char>(p[i]);
        switch (c) {
        case '"': out_.append("\\\""); break;
        case '\\': out_.append("\\\\"); break;
        case '\n': out_.append("\\n"); break;
        case '\r': out_.append("\\r"); break;
        case '\t': out_.append("\\t"); break;
        default:
            if (c < 0x20) {
                static const char hex[] = "0123456789abcdef";
                out_.append("\\u00");
                out_.push_back(hex[c >> 4]);
                out_.push_back(hex[c & 15]);
            } else {
                out_.push_back(static_cast<char>(c));
            }
        }
    }
    out_.push_back('"');
}

void JsonYazici::Metin(const QString& deger) {
    ayirici();
    const QByteArray u = deger.toUtf8();
    hamMetin(u.constData(), static_cast<std::size_t>(u.size()));
}

void JsonYazici::Tamsayi(std::int64_t deger) {
    ayirici();
    char buf[24];
    auto [p, ec] = std::to_chars(buf, buf + sizeof buf, deger);
    out_.append(buf, p);
}

void JsonYazici::Ondalik(double deger) {
    if (!std::isfinite(deger))
        throw EHata(QStringLiteral("Sunucuya geçersiz bir sayı gönderilemez."));
    ayirici();
    char buf[40];
    auto [p, ec] = std::to_chars(buf, buf + sizeof buf, deger);
    out_.append(buf, p);
}

void JsonYazici::Mantiksal(bool deger) {
    ayirici();
    out_.append(deger ? "true" : "false");
}

void JsonYazici::Bos() {
    ayirici();
    out_.append("null");
}

void JsonYazici::nesneYaz(TTransferNesnesi& nesne, int& sonrakiId) {
    out_.append("{\"type\":");
    const char* tip = nesne.SinifAdi();
    hamMetin(tip, std::char_traits<char>::length(tip));
    out_.append(",\"id\":");
    out_.append(std::to_string(sonrakiId++));
    out_.append(",\"fields\":{");
    ilk_ = true;
    NesneYazici z(*this, sonrakiId);
    nesne.Alanlar(z);
    out_.append("}}");
    ilk_ = false;
}

void JsonYazici::Nesne(const TTransferNesnesi* nesne) {
    if (!nesne) {
        Bos();
        return;
    }
    ayirici();
    int id = 1;
    // Visiting needs a mutable object; writing never changes it.
    nesneYaz(const_cast<TTransferNesnesi&>(*nesne), id);
}
