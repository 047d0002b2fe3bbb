#include "TServerMethods1Client.h"

#include "TSQLConnection.h"

namespace {
using Kayit = TServerMethods1Client::Kayit;

void yaz(JsonYazici& y, int v) { y.Tamsayi(v); }
void yaz(JsonYazici& y, double v) { y.Ondalik(v); }
void yaz(JsonYazici& y, const QString& v) { y.Metin(v); }
// The record copy is written as JSON and freed right away; the caller's record is never sent.
void yaz(JsonYazici& y, Kayit& v) {
    y.Nesne(v.get());
    v.reset();
}

const SonucBeklentisi kPaket{SonucTuru::TablePacket};
const SonucBeklentisi kOkuyucu{SonucTuru::TableReader};
const SonucBeklentisi kTamsayi{SonucTuru::Integer};
const SonucBeklentisi kBoy{SonucTuru::Int64};
const SonucBeklentisi kAkim{SonucTuru::Stream};
const SonucBeklentisi kMetin{SonucTuru::String};
const SonucBeklentisi kMantiksal{SonucTuru::Boolean};

template <class T> SonucBeklentisi nesne() {
    return {SonucTuru::Object, []() -> std::unique_ptr<TTransferNesnesi> { return std::make_unique<T>(); }};
}

TTableData& paket(TDSServerMethodCommand& k) { return std::get<TTableData>(k.Deger(0)); }
TDBXReader& okuyucu(TDSServerMethodCommand& k) { return *std::get<std::unique_ptr<TDBXReader>>(k.Deger(0)); }
int tamsayi(TDSServerMethodCommand& k) { return std::get<int>(k.Deger(0)); }
QString metin(TDSServerMethodCommand& k, std::size_t i = 0) { return std::get<QString>(k.Deger(i)); }
template <class T> T* nesneAl(TDSServerMethodCommand& k) {
    return static_cast<T*>(std::get<std::unique_ptr<TTransferNesnesi>>(k.Deger(0)).get());
}
// A stream comes after its size (and any other outputs): the size is element 0.
TSonucAkimi* akim(TDSServerMethodCommand& k, std::int64_t& boy, std::size_t konum) {
    boy = std::get<std::int64_t>(k.Deger(0));
    return std::get<std::unique_ptr<TSonucAkimi>>(k.Deger(konum)).get();
}
} // namespace

TServerMethods1Client::TServerMethods1Client(TSQLConnection& baglanti) : baglanti_(baglanti) {}
TServerMethods1Client::~TServerMethods1Client() = default;

TDSServerMethodCommand& TServerMethods1Client::hazirla(std::unique_ptr<TDSServerMethodCommand>& yuva, const char* yontem) {
    if (!yuva) {
        yuva = std::make_unique<TDSServerMethodCommand>(baglanti_, QString::fromLatin1(yontem));
        yuva->Prepare();
    }
    return *yuva;
}

template <class... A>
TDSServerMethodCommand& TServerMethods1Client::cagir(std::unique_ptr<TDSServerMethodCommand>& yuva, const char* yontem,
                                                     std::vector<SonucBeklentisi> beklenen, A&&... parametreler) {
    TDSServerMethodCommand& k = hazirla(yuva, yontem);
    JsonYazici& y = k.Parametreler();
    (yaz(y, parametreler), ...);
    k.ExecuteUpdate(beklenen);
    return k;
}

const TDSServerMethodCommand* TServerMethods1Client::Komut(const QString& yontem) const {
#define TELMIRA_KOMUT_BUL(ad)                                                                            \
    if (yontem == QLatin1String(#ad))                                                                    \
        return F##ad##Command.get();
    TSERVERMETHODS1_YONTEMLERI(TELMIRA_KOMUT_BUL)
#undef TELMIRA_KOMUT_BUL
    return nullptr;
}

TTableData& TServerMethods1Client::SepetVerOrvak(int carino) {
    return paket(cagir(FSepetVerOrvakCommand, "SepetVerOrvak", {kPaket}, carino));
}
TDBXReader& TServerMethods1Client::OncekiSiparisler(int carino) {
    return okuyucu(cagir(FOncekiSiparislerCommand, "OncekiSiparisler", {kOkuyucu}, carino));
}
TDBXReader& TServerMethods1Client::CariEkstreVer(int carino) {
    return okuyucu(cagir(FCariEkstreVerCommand, "CariEkstreVer", {kOkuyucu}, carino));
}
TTableData& TServerMethods1Client::KampanyaliVer2Orvak(int cario, int satici) {
    return paket(cagir(FKampanyaliVer2OrvakCommand, "KampanyaliVer2Orvak", {kPaket}, cario, satici));
}
TDBXReader& TServerMethods1Client::BakiyelerVer2(int carino) {
    return okuyucu(cagir(FBakiyelerVer2Command, "BakiyelerVer2", {kOkuyucu}, carino));
}
TSonucBilgisi* TServerMethods1Client::BuyukGetir(const QString& idsi) {
    return nesneAl<TSonucBilgisi>(cagir(FBuyukGetirCommand, "BuyukGetir", {nesne<TSonucBilgisi>()}, idsi));
}
TSonucAkimi* TServerMethods1Client::ResimVer5(int stokno, std::int64_t& boy) {
    return akim(cagir(FResimVer5Command, "ResimVer5", {kBoy, kAkim}, stokno), boy, 1);
}
TSonucAkimi* TServerMethods1Client::SAnalPosPdfVer(int sirano, std::int64_t& boy) {
    return akim(cagir(FSAnalPosPdfVerCommand, "SAnalPosPdfVer", {kBoy, kAkim}, sirano), boy, 1);
}
TTableData& TServerMethods1Client::StokAraGetirOrvak(const QString& kod, Kayit bilgi) {
    return paket(cagir(FStokAraGetirOrvakCommand, "StokAraGetirOrvak", {kPaket}, kod, bilgi));
}
TTableData& TServerMethods1Client::YenilerVer2Orvak(int carino) {
    return paket(cagir(FYenilerVer2OrvakCommand, "YenilerVer2Orvak", {kPaket}, carino));
}
TDBXReader& TServerMethods1Client::TeslimVer() { return okuyucu(cagir(FTeslimVerCommand, "TeslimVer", {kOkuyucu})); }
TDBXReader& TServerMethods1Client::KargoVer() { return okuyucu(cagir(FKargoVerCommand, "KargoVer", {kOkuyucu})); }
TDBXReader& TServerMethods1Client::KargolarVer(int gn) {
    return okuyucu(cagir(FKargolarVerCommand, "KargolarVer", {kOkuyucu}, gn));
}
int TServerMethods1Client::SepetEkle2(Kayit bilgim, int carino, int stokno, const QString& barkod,
                                      const QString& stokadi, double miktar, double kdv, double fiyat, double ind1,
                                      int verenid, int k, double ind2, double ind3, double ind4) {
    return tamsayi(cagir(FSepetEkle2Command, "SepetEkle2", {kTamsayi}, bilgim, carino, stokno, barkod, stokadi, miktar,
                         kdv, fiyat, ind1, verenid, k, ind2, ind3, ind4));
}
int TServerMethods1Client::SepetGuncelle2(Kayit bilgim, int carino, int stokno, const QString& barkod,
                                          const QString& stokadi, double miktar, double kdv, double fiyat,
                                          double ind1, int verenid, int _sepetsirano, double ind2, double ind3,
                                          double ind4) {
    return tamsayi(cagir(FSepetGuncelle2Command, "SepetGuncelle2", {kTamsayi}, bilgim, carino, stokno, barkod,
                         stokadi, miktar, kdv, fiyat, ind1, verenid, _sepetsirano, ind2, ind3, ind4));
}
int TServerMethods1Client::SepetHepsiniSil(Kayit bilgi) {
    return tamsayi(cagir(FSepetHepsiniSilCommand, "SepetHepsiniSil", {kTamsayi}, bilgi));
}
int TServerMethods1Client::SepetSatirSil(Kayit bilgi, int satirno, const QString& aciklamam) {
    return tamsayi(cagir(FSepetSatirSilCommand, "SepetSatirSil", {kTamsayi}, bilgi, satirno, aciklamam));
}
bool TServerMethods1Client::SiparisKaydet(Kayit BB, int _carino, int _teslim, int _kargo, const QString& _aciklama,
                                          int _verenid, int _kargoyeni) {
    TDSServerMethodCommand& k = cagir(FSiparisKaydetCommand, "SiparisKaydet", {kMantiksal}, BB, _carino, _teslim, _kargo, _aciklama,
                     _verenid, _kargoyeni);
    return std::get<bool>(k.Deger(0));
}
TDBXReader& TServerMethods1Client::SiparisAyrintisi2(int carino, int idnosu) {
    return okuyucu(cagir(FSiparisAyrintisi2Command, "SiparisAyrintisi2", {kOkuyucu}, carino, idnosu));
}
TDBXReader& TServerMethods1Client::FaturaGetir(int carino, int idnosu) {
    return okuyucu(cagir(FFaturaGetirCommand, "FaturaGetir", {kOkuyucu}, carino, idnosu));
}
TDBXReader& TServerMethods1Client::FaturaAltGetir(int idnosu) {
    return okuyucu(cagir(FFaturaAltGetirCommand, "FaturaAltGetir", {kOkuyucu}, idnosu));
}
TDBXReader& TServerMethods1Client::Tahsilat(int idnosu) {
    return okuyucu(cagir(FTahsilatCommand, "Tahsilat", {kOkuyucu}, idnosu));
}
int TServerMethods1Client::SanalposSiranoVer(int idnosu) {
    return tamsayi(cagir(FSanalposSiranoVerCommand, "SanalposSiranoVer", {kTamsayi}, idnosu));
}
int TServerMethods1Client::BakiyeDuzenle(Kayit k, int stokno, int sepetsirano, int siparissirano, double Adet,
                                         double Bakiye, const QString& barkod) {
    return tamsayi(cagir(FBakiyeDuzenleCommand, "BakiyeDuzenle", {kTamsayi}, k, stokno, sepetsirano, siparissirano,
                         Adet, Bakiye, barkod));
}
int TServerMethods1Client::BakiyeDegistir(Kayit k, int stokno, int sepetsirano, int siparissirano, double Adet,
                                          double Bakiye, const QString& barkod) {
    return tamsayi(cagir(FBakiyeDegistirCommand, "BakiyeDegistir", {kTamsayi}, k, stokno, sepetsirano, siparissirano,
                         Adet, Bakiye, barkod));
}
int TServerMethods1Client::BakiyeFiyatDegistir(Kayit k, int stokno, int sepetsirano, int siparissirano, double Adet,
                                               double Bakiye, const QString& barkod, double fiyat, double ind) {
    return tamsayi(cagir(FBakiyeFiyatDegistirCommand, "BakiyeFiyatDegistir", {kTamsayi}, k, stokno, sepetsirano,
                         siparissirano, Adet, Bakiye, barkod, fiyat, ind));
}
TSiparisDipAyrinti* TServerMethods1Client::SiparisAytintisiDip(int carino, int siranosu) {
    return nesneAl<TSiparisDipAyrinti>(
        cagir(FSiparisAytintisiDipCommand, "SiparisAytintisiDip", {nesne<TSiparisDipAyrinti>()}, carino, siranosu));
}
TDBXReader& TServerMethods1Client::CariAra(Kayit bil, const QString& aranan) {
    return okuyucu(cagir(FCariAraCommand, "CariAra", {kOkuyucu}, bil, aranan));
}
int TServerMethods1Client::SepetSayisi(Kayit bil) {
    return tamsayi(cagir(FSepetSayisiCommand, "SepetSayisi", {kTamsayi}, bil));
}
TTusSonuclari* TServerMethods1Client::TusSonuclariVer(Kayit bil) {
    return nesneAl<TTusSonuclari>(cagir(FTusSonuclariVerCommand, "TusSonuclariVer", {nesne<TTusSonuclari>()}, bil));
}
TDBXReader& TServerMethods1Client::CariSepetVer(Kayit bil, int n) {
    return okuyucu(cagir(FCariSepetVerCommand, "CariSepetVer", {kOkuyucu}, bil, n));
}
TSonucAkimi* TServerMethods1Client::BelgeIndir(int sirano, std::int64_t& size, QString& adi) {
    TDSServerMethodCommand& k = cagir(FBelgeIndirCommand, "BelgeIndir", {kBoy, kMetin, kAkim}, sirano);
    adi = metin(k, 1);
    return akim(k, size, 2);
}
QString TServerMethods1Client::KayanYaziGetir() { return metin(cagir(FKayanYaziGetirCommand, "KayanYaziGetir", {kMetin})); }
TSonucAkimi* TServerMethods1Client::BannerResimVer(std::int64_t& size) {
    return akim(cagir(FBannerResimVerCommand, "BannerResimVer", {kBoy, kAkim}), size, 1);
}
TSonucAkimi* TServerMethods1Client::BannerResimVer2(std::int64_t& size) {
    return akim(cagir(FBannerResimVer2Command, "BannerResimVer2", {kBoy, kAkim}), size, 1);
}
TSonucAkimi* TServerMethods1Client::BannerResimVer3(std::int64_t& size) {
    return akim(cagir(FBannerResimVer3Command, "BannerResimVer3", {kBoy, kAkim}), size, 1);
}
TSonucAkimi* TServerMethods1Client::RaporGetir(int raporno, int bolum, int idno, int carino, const QString& saticiadi,
                                               double tarih1, double tarih2, std::int64_t& size) {
    return akim(cagir(FRaporGetirCommand, "RaporGetir", {kBoy, kAkim}, raporno, bolum, idno, carino, saticiadi, tarih1,
                      tarih2),
                size, 1);
}
TDBXReader& TServerMethods1Client::BalonGetir(Kayit bil) {
    return okuyucu(cagir(FBalonGetirCommand, "BalonGetir", {kOkuyucu}, bil));
}
TDBXReader& TServerMethods1Client::TumSiparislerVer(int carino, int stokno) {
    return okuyucu(cagir(FTumSiparislerVerCommand, "TumSiparislerVer", {kOkuyucu}, carino, stokno));
}
void TServerMethods1Client::SepetSecimGuncelle(int sirano, int secim) {
    cagir(FSepetSecimGuncelleCommand, "SepetSecimGuncelle", {}, sirano, secim);
}
int TServerMethods1Client::MailGonserCari(const QString& idsi, const QString& baslik, const QString& firmaadi,
                                          const QString& adres1, const QString& adres2, const QString& ilce,
                                          const QString& sehir, const QString& telefon, const QString& fax,
                                          const QString& vd, const QString& vn, const QString& yetkili,
                                          const QString& kullaniciadi, const QString& sifre, const QString& mail,
                                          const QString& kargoambar) {
    return tamsayi(cagir(FMailGonserCariCommand, "MailGonserCari", {kTamsayi}, idsi, baslik, firmaadi, adres1, adres2,
                         ilce, sehir, telefon, fax, vd, vn, yetkili, kullaniciadi, sifre, mail, kargoambar));
}
int TServerMethods1Client::MailGonserCariNormal(const QString& idsi, const QString& baslik, const QString& firmaadi,
                                                const QString& adres1, const QString& adres2, const QString& ilce,
                                                const QString& sehir, const QString& telefon, const QString& fax,
                                                const QString& vd, const QString& vn, const QString& yetkili,
                                                const QString& kullaniciadi, const QString& sifre,
                                                const QString& mail, const QString& kargoambar,
                                                const QString& konu) {
    return tamsayi(cagir(FMailGonserCariNormalCommand, "MailGonserCariNormal", {kTamsayi}, idsi, baslik, firmaadi,
                         adres1, adres2, ilce, sehir, telefon, fax, vd, vn, yetkili, kullaniciadi, sifre, mail,
                         kargoambar, konu));
}
TMobilCariBilgisi* TServerMethods1Client::MobilCariBilgisiGetir(int sirano, const QString& _idsi) {
    return nesneAl<TMobilCariBilgisi>(
        cagir(FMobilCariBilgisiGetirCommand, "MobilCariBilgisiGetir", {nesne<TMobilCariBilgisi>()}, sirano, _idsi));
}
int TServerMethods1Client::AcilisReklamAdet() {
    return tamsayi(cagir(FAcilisReklamAdetCommand, "AcilisReklamAdet", {kTamsayi}));
}
TAcilisEkran* TServerMethods1Client::AcilisREklamVer(int sira) {
    return nesneAl<TAcilisEkran>(cagir(FAcilisREklamVerCommand, "AcilisREklamVer", {nesne<TAcilisEkran>()}, sira));
}
TAcilisEkranlariki* TServerMethods1Client::AcilisEkranlarVer2() {
    return nesneAl<TAcilisEkranlariki>(
        cagir(FAcilisEkranlarVer2Command, "AcilisEkranlarVer2", {nesne<TAcilisEkranlariki>()}));
}
TDBXReader& TServerMethods1Client::DosyaListesi2() {
    return okuyucu(cagir(FDosyaListesi2Command, "DosyaListesi2", {kOkuyucu}));
}
TDBXReader& TServerMethods1Client::RaporAlinanSiparisler(Kayit bilgi, double tarih1, double tarih2) {
    return okuyucu(cagir(FRaporAlinanSiparislerCommand, "RaporAlinanSiparisler", {kOkuyucu}, bilgi, tarih1, tarih2));
}
TDBXReader& TServerMethods1Client::RaporEnCokSatilanStoklar(Kayit bilgi, double tarih1, double tarih2) {
    return okuyucu(
        cagir(FRaporEnCokSatilanStoklarCommand, "RaporEnCokSatilanStoklar", {kOkuyucu}, bilgi, tarih1, tarih2));
}
QString TServerMethods1Client::CariDurumVer(int carino) {
    return metin(cagir(FCariDurumVerCommand, "CariDurumVer", {kMetin}, carino));
}
QString TServerMethods1Client::CariVadeGunGecmismiBul(int carino) {
    return metin(cagir(FCariVadeGunGecmismiBulCommand, "CariVadeGunGecmismiBul", {kMetin}, carino));
}
QString TServerMethods1Client::DepartmanlariVer() {
    return metin(cagir(FDepartmanlariVerCommand, "DepartmanlariVer", {kMetin}));
}
