#pragma once
#include "TAcilisEkranlariki.h"
#include "TDSServerMethodCommand.h"
#include "TMobilCariBilgisi.h"
#include "TSiparisDipAyrinti.h"
#include "TSonucBilgisi.h"
#include "TTusSonuclari.h"

#include <memory>

class TSQLConnection;

// Every server method the client calls, in the server's declaration order.
#define TSERVERMETHODS1_YONTEMLERI(X)                                                                    \
    X(SepetVerOrvak) X(OncekiSiparisler) X(CariEkstreVer) X(KampanyaliVer2Orvak) X(BakiyelerVer2)         \
    X(BuyukGetir) X(ResimVer5) X(SAnalPosPdfVer) X(StokAraGetirOrvak) X(YenilerVer2Orvak) X(TeslimVer)    \
    X(KargoVer) X(KargolarVer) X(SepetEkle2) X(SepetGuncelle2) X(SepetHepsiniSil) X(SepetSatirSil)        \
    X(SiparisKaydet) X(SiparisAyrintisi2) X(FaturaGetir) X(FaturaAltGetir) X(Tahsilat)                    \
    X(SanalposSiranoVer) X(BakiyeDuzenle) X(BakiyeDegistir) X(BakiyeFiyatDegistir)                        \
    X(SiparisAytintisiDip) X(CariAra) X(SepetSayisi) X(TusSonuclariVer) X(CariSepetVer) X(BelgeIndir)     \
    X(KayanYaziGetir) X(BannerResimVer) X(BannerResimVer2) X(BannerResimVer3) X(RaporGetir)               \
    X(BalonGetir) X(TumSiparislerVer) X(SepetSecimGuncelle) X(MailGonserCari) X(MailGonserCariNormal)     \
    X(MobilCariBilgisiGetir) X(AcilisReklamAdet) X(AcilisREklamVer) X(AcilisEkranlarVer2)                 \
    X(DosyaListesi2) X(RaporAlinanSiparisler) X(RaporEnCokSatilanStoklar) X(CariDurumVer)                 \
    X(CariVadeGunGecmismiBul) X(DepartmanlariVer)

// The proxy of the server class TServerMethods1. One operation per remote method, parameters in
// the server's order, output parameters by reference. Each method's command is prepared on first
// use and reused. Everything returned by reference or pointer (tables, readers, streams, objects)
// belongs to the proxy: it is valid until the same method is called again or the proxy dies.
// A sign-in record argument is a fresh copy (TSonucBilgisi::Kopya); it is freed once written.
class TServerMethods1Client {
public:
    using Kayit = std::unique_ptr<TSonucBilgisi>;

    explicit TServerMethods1Client(TSQLConnection& baglanti);
    ~TServerMethods1Client();
    TServerMethods1Client(const TServerMethods1Client&) = delete;
    TServerMethods1Client& operator=(const TServerMethods1Client&) = delete;

    TTableData& SepetVerOrvak(int carino);
    TDBXReader& OncekiSiparisler(int carino);
    TDBXReader& CariEkstreVer(int carino);
    TTableData& KampanyaliVer2Orvak(int cario, int satici);
    TDBXReader& BakiyelerVer2(int carino);
    TSonucBilgisi* BuyukGetir(const QString& idsi);
    TSonucAkimi* ResimVer5(int stokno, std::int64_t& boy);
    TSonucAkimi* SAnalPosPdfVer(int sirano, std::int64_t& boy);
    TTableData& StokAraGetirOrvak(const QString& kod, Kayit bilgi);
    TTableData& YenilerVer2Orvak(int carino);
    TDBXReader& TeslimVer();
    TDBXReader& KargoVer();
    TDBXReader& KargolarVer(int gn);
    int SepetEkle2(Kayit bilgim, int carino, int stokno, const QString& barkod, const QString& stokadi, double miktar,
                   double kdv, double fiyat, double ind1, int verenid, int k, double ind2, double ind3, double ind4);
    int SepetGuncelle2(Kayit bilgim, int carino, int stokno, const QString& barkod, const QString& stokadi,
                       double miktar, double kdv, double fiyat, double ind1, int verenid, int _sepetsirano,
                       double ind2, double ind3, double ind4);
    int SepetHepsiniSil(Kayit bilgi);
    int SepetSatirSil(Kayit bilgi, int satirno, const QString& aciklamam);
    bool SiparisKaydet(Kayit BB, int _carino, int _teslim, int _kargo, const QString& _aciklama, int _verenid,
                       int _kargoyeni);
    TDBXReader& SiparisAyrintisi2(int carino, int idnosu);
    TDBXReader& FaturaGetir(int carino, int idnosu);
    TDBXReader& FaturaAltGetir(int idnosu);
    TDBXReader& Tahsilat(int idnosu);
    int SanalposSiranoVer(int idnosu);
    int BakiyeDuzenle(Kayit k, int stokno, int sepetsirano, int siparissirano, double Adet, double Bakiye,
                      const QString& barkod);
    int BakiyeDegistir(Kayit k, int stokno, int sepetsirano, int siparissirano, double Adet, double Bakiye,
                       const QString& barkod);
    int BakiyeFiyatDegistir(Kayit k, int stokno, int sepetsirano, int siparissirano, double Adet, double Bakiye,
                            const QString& barkod, double fiyat, double ind);
    TSiparisDipAyrinti* SiparisAytintisiDip(int carino, int siranosu);
    TDBXReader& CariAra(Kayit bil, const QString& aranan);
    int SepetSayisi(Kayit bil);
    TTusSonuclari* TusSonuclariVer(Kayit bil);
    TDBXReader& CariSepetVer(Kayit bil, int n);
    TSonucAkimi* BelgeIndir(int sirano, std::int64_t& size, QString& adi);
    QString KayanYaziGetir();
    TSonucAkimi* BannerResimVer(std::int64_t& size);
    TSonucAkimi* BannerResimVer2(std::int64_t& size);
    TSonucAkimi* BannerResimVer3(std::int64_t& size);
    TSonucAkimi* RaporGetir(int raporno, int bolum, int idno, int carino, const QString& saticiadi, double tarih1,
                            double tarih2, std::int64_t& size);
    TDBXReader& BalonGetir(Kayit bil);
    TDBXReader& TumSiparislerVer(int carino, int stokno);
    void SepetSecimGuncelle(int sirano, int secim);
    int MailGonserCari(const QString& idsi, const QString& baslik, const QString& firmaadi, const QString& adres1,
                       const QString& adres2, const QString& ilce, const QString& sehir, const QString& telefon,
                       const QString& fax, const QString& vd, const QString& vn, const QString& yetkili,
                       const QString& kullaniciadi, const QString& sifre, const QString& mail,
                       const QString& kargoambar);
    int MailGonserCariNormal(const QString& idsi, const QString& baslik, const QString& firmaadi,
                             const QString& adres1, const QString& adres2, const QString& ilce, const QString& sehir,
                             const QString& telefon, const QString& fax, const QString& vd, const QString& vn,
                             const QString& yetkili, const QString& kullaniciadi, const QString& sifre,
                             const QString& mail, const QString& kargoambar, const QString& konu);
    TMobilCariBilgisi* MobilCariBilgisiGetir(int sirano, const QString& _idsi);
    int AcilisReklamAdet();
    TAcilisEkran* AcilisREklamVer(int sira);
    TAcilisEkranlariki* AcilisEkranlarVer2();
    TDBXReader& DosyaListesi2();
    TDBXReader& RaporAlinanSiparisler(Kayit bilgi, double tarih1, double tarih2);
    TDBXReader& RaporEnCokSatilanStoklar(Kayit bilgi, double tarih1, double tarih2);
    QString CariDurumVer(int carino);
    QString CariVadeGunGecmismiBul(int carino);
    QString DepartmanlariVer();

    // The command of a method, or nullptr while it has not been called on this proxy.
    const TDSServerMethodCommand* Komut(const QString& yontem) const;

private:
    template <class... A>
    TDSServerMethodCommand& cagir(std::unique_ptr<TDSServerMethodCommand>& yuva, const char* yontem,
                                  std::vector<SonucBeklentisi> beklenen, A&&... parametreler);
    TDSServerMethodCommand& hazirla(std::unique_ptr<TDSServerMethodCommand>& yuva, const char* yontem);

    TSQLConnection& baglanti_;
#define TELMIRA_KOMUT_YUVASI(ad) std::unique_ptr<TDSServerMethodCommand> F##ad##Command;
    TSERVERMETHODS1_YONTEMLERI(TELMIRA_KOMUT_YUVASI)
#undef TELMIRA_KOMUT_YUVASI
};
