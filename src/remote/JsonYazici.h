#pragma once
#include <QString>

#include <cstdint>
#include <string>

class TTransferNesnesi;

// Writes the JSON of a request body. Members keep the order they are written in (QJsonObject would
// sort them, and objects must list their fields in declaration order).
class JsonYazici {
public:
    void DiziBasla();
    void DiziBitir();
    void Metin(const QString& deger);
    void Tamsayi(std::int64_t deger);
    void Ondalik(double deger);
    void Mantiksal(bool deger);
    void Bos();
    // An object in the type/id/fields form; nullptr is written as null.
    void Nesne(const TTransferNesnesi* nesne);

    const std::string& Sonuc() const { return out_; }
    void Temizle() { out_.clear(); ilk_ = true; }

private:
    friend class NesneYazici;
    void ayirici();
    void anahtar(const char* ad);
    void hamMetin(const char* p, std::size_t n);
    void nesneYaz(TTransferNesnesi& nesne, int& sonrakiId);

    std::string out_;
    bool ilk_ = true;
};
