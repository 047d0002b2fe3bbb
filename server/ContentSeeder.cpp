#include "ContentSeeder.h"
#include "DemoDatabase.h"
#include "DemoTransaction.h"

void ContentSeeder::seed(DemoDatabase& db)
{
    DemoTransaction tx(db);
    db.exec(QStringLiteral("INSERT INTO ayar(ANAHTAR,DEGER) VALUES('KAYANYAZI',?)"),
            {QStringLiteral("<b>Telmira Otomotiv</b> &nbsp;•&nbsp; <font color=\"#C00000\"><b>Fren balata ve disklerinde "
                            "%20'ye varan kampanya!</b></font> &nbsp;•&nbsp; Saat 16:00'ya kadar verilen siparişler aynı gün "
                            "kargoda. &nbsp;•&nbsp; <i>Yeni gelen ürünler için \"Yeni Stoklar\" sayfasına bakınız.</i>")});
    struct Screen {
        const char* baslik;
        const char* arama;
    };
    const Screen screens[] = {
        {"Kış Kampanyası Başladı", "#KAMPANYA#"},
        {"Yeni Gelen Ürünler", "#YENİ#"},
        {"Fren Balatalarında Büyük Fırsat", "FREN BALATASI"},
        {"Triger Setleri Stokta", "TRIGER SETI"},
        {"Telmira B2B ile 7/24 Sipariş", ""},
    };
    int n = 1;
    for (const Screen& s : screens) {
        db.exec(QStringLiteral("INSERT INTO ekran(SIRANO,TUR,SIRA,BASLIK,ARAMA,RENK) VALUES(?,1,?,?,?,?)"),
                {n, n, QString::fromUtf8(s.baslik), QString::fromUtf8(s.arama), n - 1});
        ++n;
    }
    struct Document {
        const char* aciklama;
        const char* adi;
        const char* cins;
    };
    const Document docs[] = {
        {"2025 Bayi Fiyat Listesi (Excel)", "fiyat_listesi_2025.xlsx", "fiyat"},
        {"Kış Dönemi Kampanya Broşürü", "kampanya_brosuru.pdf", "kampanya"},
        {"Bayilik Sözleşmesi", "bayi_sozlesmesi.docx", "sozlesme"},
        {"Ürün Kataloğu Kapağı", "katalog_kapak.jpg", "katalog"},
        {"Telmira Logo (yüksek çözünürlük)", "telmira_logo.png", "logo"},
        {"Ürün İade Formu", "iade_formu.pdf", "iade"},
        {"Stok Listesi (CSV)", "stok_listesi.csv", "stok"},
    };
    n = 1;
    for (const Document& d : docs) {
        db.exec(QStringLiteral("INSERT INTO belge(SIRANO,ACIKLAMA,DOSYAYOL,ADI,CINS) VALUES(?,?,?,?,?)"),
                {n++, QString::fromUtf8(d.aciklama), QStringLiteral("\\\\TELMIRA-SRV\\Belgeler\\") + QString::fromUtf8(d.adi),
                 QString::fromUtf8(d.adi), QString::fromUtf8(d.cins)});
    }
    tx.commit();
}
