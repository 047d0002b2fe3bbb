#include "TAcilisEkranlariki.h"

namespace {
class EkranDizisi : public NesneDizisi {
public:
    explicit EkranDizisi(std::vector<std::unique_ptr<TAcilisEkran>>& v) : v_(v) {}
    int Sayi() const override { return static_cast<int>(v_.size()); }
    TTransferNesnesi& Eleman(int i) override { return *v_.at(static_cast<std::size_t>(i)); }
    TTransferNesnesi& Ekle() override { return *v_.emplace_back(std::make_unique<TAcilisEkran>()); }
    void Temizle() override { v_.clear(); }

private:
    std::vector<std::unique_ptr<TAcilisEkran>>& v_;
};
} // namespace

void TAcilisEkranlariki::Alanlar(AlanZiyaretcisi& z) {
    EkranDizisi dizi(FEkranlar);
    z.alan("FEkranlar", dizi);
}

void TAcilisEkranlariki::Kopyala(const TAcilisEkranlariki& kaynak) {
    std::vector<std::unique_ptr<TAcilisEkran>> kopya;
    kopya.reserve(kaynak.FEkranlar.size());
    for (const auto& e : kaynak.FEkranlar) {
        auto k = std::make_unique<TAcilisEkran>();
        k->Kopyala(*e);
        kopya.push_back(std::move(k));
    }
    SetEkranlar(std::move(kopya));
}
