#include "DocumentFactory.h"
#include "DemoDatabase.h"
#include "PdfFactory.h"
#include "TextDrawing.h"
#include "ZipWriter.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QTemporaryDir>

#include <xlsxwriter.h>

QByteArray DocumentFactory::make(const DemoDatabase& db, const QString& kind)
{
    if (kind == QStringLiteral("fiyat"))
        return priceListXlsx(db);
    if (kind == QStringLiteral("kampanya"))
        return campaignPdf(db);
    if (kind == QStringLiteral("iade"))
        return returnFormPdf();
    if (kind == QStringLiteral("sozlesme"))
        return contractDocx();
    if (kind == QStringLiteral("katalog"))
        return picture("jpeg", 1240, 1754, QStringLiteral("ÜRÜN KATALOĞU 2025"));
    if (kind == QStringLiteral("logo"))
        return picture("png", 600, 240, QStringLiteral("TELMİRA OTOMOTİV"));
    if (kind == QStringLiteral("stok"))
        return stockCsv(db);
    return {};
}

QByteArray DocumentFactory::priceListXlsx(const DemoDatabase& db)
{
    QTemporaryDir dir;
    const QByteArray path = (dir.path() + QStringLiteral("/fiyat.xlsx")).toLocal8Bit();
    lxw_workbook* wb = workbook_new(path.constData());
    if (!wb)
        return {};
    lxw_worksheet* ws = workbook_add_worksheet(wb, "Fiyat Listesi");
    lxw_format* head = workbook_add_format(wb);
    format_set_bold(head);
    format_set_font_color(head, LXW_COLOR_WHITE);
    format_set_bg_color(head, 0x8B1A1A);
    lxw_format* money = workbook_add_format(wb);
    format_set_num_format(money, "#,##0.00");
    const char* headers[] = {"DEP Kod", "Açıklama", "OEM No", "Araç", "Marka", "Ana Grup", "PK Adet", "KDV %",
                             "Liste Fiyatı", "Kampanyalı Fiyat"};
    for (int c = 0; c < 10; ++c)
        worksheet_write_string(ws, 0, lxw_col_t(c), headers[c], head);
    worksheet_set_column(ws, 0, 0, 16, nullptr);
    worksheet_set_column(ws, 1, 1, 34, nullptr);
    worksheet_set_column(ws, 2, 4, 22, nullptr);
    worksheet_set_column(ws, 5, 7, 12, nullptr);
    worksheet_set_column(ws, 8, 9, 16, money);
    worksheet_freeze_panes(ws, 1, 0);
    QSqlQuery q = db.exec(QStringLiteral("SELECT BARKOD,ADI,URETICIKODU,MARKA,OZELKOD,ANAGRUP,MODEL,KDV,LISTEFIYAT,KAMPFIYAT"
                                         " FROM stok ORDER BY STOK_STOKNO LIMIT 2000"));
    lxw_row_t row = 1;
    while (q.next()) {
        for (int c = 0; c < 6; ++c)
            worksheet_write_string(ws, row, lxw_col_t(c), q.value(c).toString().toUtf8().constData(), nullptr);
        worksheet_write_number(ws, row, 6, q.value(6).toDouble(), nullptr);
        worksheet_write_number(ws, row, 7, q.value(7).toDouble(), nullptr);
        worksheet_write_number(ws, row, 8, q.value(8).toDouble(), money);
        if (q.value(9).toDouble() > 0)
            worksheet_write_number(ws, row, 9, q.value(9).toDouble(), money);
        ++row;
    }
    worksheet_autofilter(ws, 0, 0, row - 1, 9);
    if (workbook_close(wb) != LXW_NO_ERROR)
        return {};
    QFile f(dir.path() + QStringLiteral("/fiyat.xlsx"));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray DocumentFactory::campaignPdf(const DemoDatabase& db)
{
    QString html = QStringLiteral("<h1>Telmira Otomotiv — Kampanyalı Ürünler</h1><p class='muted'>Fiyatlar KDV hariçtir; "
                                  "kampanya stoklarla sınırlıdır.</p><table width='100%'><tr><th>DEP Kod</th><th>Açıklama</th>"
                                  "<th>Araç</th><th>Liste Fiyatı</th><th>Kampanya</th></tr>");
    QStringList lines;
    QSqlQuery q = db.exec(QStringLiteral("SELECT BARKOD,ADI,MARKA,LISTEFIYAT,KAMPFIYAT FROM stok WHERE K>0 AND KAMPFIYAT>0"
                                         " ORDER BY ANAGRUP,STOK_STOKNO LIMIT 120"));
    const QLocale tr(QLocale::Turkish, QLocale::Turkey);
    while (q.next()) {
        html += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td><td class='r'>%4</td><td class='r'><b>%5</b></td></tr>")
                    .arg(PdfFactory::escape(q.value(0).toString()), PdfFactory::escape(q.value(1).toString()),
                         PdfFactory::escape(q.value(2).toString()), tr.toString(q.value(3).toDouble(), 'f', 2),
                         tr.toString(q.value(4).toDouble(), 'f', 2));
        lines << QStringLiteral("%1  %2  %3 TL -> %4 TL")
                     .arg(q.value(0).toString(), q.value(1).toString(), tr.toString(q.value(3).toDouble(), 'f', 2),
                          tr.toString(q.value(4).toDouble(), 'f', 2));
    }
    html += QStringLiteral("</table>");
    return PdfFactory::fromHtml(QStringLiteral("Kampanya Broşürü"), html, lines);
}

QByteArray DocumentFactory::returnFormPdf()
{
    const QStringList fields = {"Firma Adı", "Cari Kod", "Fatura No", "Fatura Tarihi", "DEP Kod", "Miktar", "İade Nedeni",
                                "Yetkili / İmza"};
    QString html = QStringLiteral("<h1>Ürün İade Formu</h1><p>İade edilecek ürünler orijinal ambalajında, fatura tarihinden "
                                  "itibaren 15 gün içinde gönderilmelidir.</p><table width='100%'>");
    for (const QString& f : fields)
        html += QStringLiteral("<tr><td width='30%'><b>%1:</b></td><td>&nbsp;</td></tr>").arg(f);
    html += QStringLiteral("</table>");
    return PdfFactory::fromHtml(QStringLiteral("Ürün İade Formu"), html, fields);
}

QByteArray DocumentFactory::contractDocx()
{
    const QStringList paragraphs = {
        QStringLiteral("BAYİLİK SÖZLEŞMESİ"),
        QStringLiteral("1. Taraflar: Bu sözleşme Telmira Otomotiv Yedek Parça San. ve Tic. A.Ş. (Dağıtıcı) ile aşağıda "
                       "bilgileri bulunan bayi arasında yapılmıştır."),
        QStringLiteral("2. Konu: Dağıtıcının ürünlerinin bayi tarafından B2B sipariş sistemi üzerinden satın alınmasına "
                       "ilişkin koşullar."),
        QStringLiteral("3. Ödeme: Faturalar, cari hesapta tanımlı vade gününde ödenir; vadesi geçen bakiyelere sipariş "
                       "onayı verilmeyebilir."),
        QStringLiteral("4. Teslim: Siparişler seçilen gönderim seçeneği ve kargo firması ile gönderilir."),
        QStringLiteral("5. Yürürlük: Sözleşme imza tarihinde yürürlüğe girer ve bir yıl geçerlidir."),
    };
    QByteArray body;
    for (const QString& p : paragraphs)
        body += "<w:p><w:r><w:t xml:space=\"preserve\">" + p.toHtmlEscaped().toUtf8() + "</w:t></w:r></w:p>";
    ZipWriter zip;
    zip.add(QStringLiteral("[Content_Types].xml"),
            "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>"
            "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
            "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
            "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
            "<Override PartName=\"/word/document.xml\" "
            "ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"/>"
            "</Types>");
    zip.add(QStringLiteral("_rels/.rels"),
            "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>"
            "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
            "<Relationship Id=\"rId1\" "
            "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\" "
            "Target=\"word/document.xml\"/></Relationships>");
    zip.add(QStringLiteral("word/document.xml"),
            "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>"
            "<w:document xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\"><w:body>"
                + body + "</w:body></w:document>");
    return zip.finish();
}

QByteArray DocumentFactory::picture(const char* format, int width, int height, const QString& title)
{
    QImage img(width, height, QImage::Format_RGB32);
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient g(0, 0, 0, height);
        g.setColorAt(0, QColor(176, 28, 34));
        g.setColorAt(1, QColor(60, 10, 14));
        p.fillRect(img.rect(), g);
        p.setPen(QPen(QColor(255, 255, 255, 60), width / 60.0));
        p.setBrush(Qt::NoBrush);
        for (int i = 1; i <= 5; ++i)
            p.drawEllipse(QPointF(width * 0.5, height * 0.62), width * 0.08 * i, width * 0.08 * i);
        if (TextDrawing::available()) {
            QFont f(QStringLiteral("DejaVu Sans"));
            f.setBold(true);
            f.setPixelSize(std::max(18, width / 14));
            p.setFont(f);
            p.setPen(Qt::white);
            p.drawText(QRectF(0, height * 0.08, width, height * 0.3), Qt::AlignCenter | Qt::TextWordWrap, title);
        }
    }
    QByteArray out;
    QBuffer buf(&out);
    buf.open(QIODevice::WriteOnly);
    QImageWriter w(&buf, format);
    w.setQuality(85);
    w.write(img);
    return out;
}

QByteArray DocumentFactory::stockCsv(const DemoDatabase& db)
{
    QByteArray out = "\xEF\xBB\xBF" "DEP Kod;Açıklama;OEM No;Araç;Durum\r\n";
    QSqlQuery q = db.exec(QStringLiteral("SELECT BARKOD,ADI,URETICIKODU,MARKA,DURUM FROM stok ORDER BY STOK_STOKNO LIMIT 5000"));
    while (q.next())
        out += QStringLiteral("%1;%2;%3;%4;%5\r\n")
                   .arg(q.value(0).toString(), q.value(1).toString(), q.value(2).toString(), q.value(3).toString(),
                        q.value(4).toString())
                   .toUtf8();
    return out;
}
