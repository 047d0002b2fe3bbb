#pragma once
#include <QString>

class TTransferNesnesi;

// Gives the elements of an object-array field to the codec without it knowing the element class.
class NesneDizisi {
public:
    virtual ~NesneDizisi() = default;
    virtual int Sayi() const = 0;
    virtual TTransferNesnesi& Eleman(int i) = 0;
    virtual TTransferNesnesi& Ekle() = 0;
    virtual void Temizle() = 0;
};

// Visits the fields of a transfer object by name, in declaration order.
class AlanZiyaretcisi {
public:
    virtual ~AlanZiyaretcisi() = default;
    virtual void alan(const char* ad, QString& deger) = 0;
    virtual void alan(const char* ad, int& deger) = 0;
    virtual void alan(const char* ad, double& deger) = 0;
    virtual void alan(const char* ad, bool& deger) = 0;
    virtual void alan(const char* ad, NesneDizisi& dizi) = 0;
};
