#pragma once
#include "TAcilisEkran.h"

#include <memory>
#include <vector>

// All announcement pictures, in display order.
class TAcilisEkranlariki : public TTransferNesnesi {
public:
    static constexpr const char* kSinifAdi = "mobilstokunit.TAcilisEkranlariki";
    const char* SinifAdi() const override { return kSinifAdi; }
    void Alanlar(AlanZiyaretcisi& z) override;

    const std::vector<std::unique_ptr<TAcilisEkran>>& Ekranlar() const { return FEkranlar; }
    void SetEkranlar(std::vector<std::unique_ptr<TAcilisEkran>> ekranlar) { FEkranlar = std::move(ekranlar); }
    void Kopyala(const TAcilisEkranlariki& kaynak);

private:
    std::vector<std::unique_ptr<TAcilisEkran>> FEkranlar;
};
