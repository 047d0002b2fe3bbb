#include "GridFixture.h"

#include "TClientDataSet.h"
#include "TGridView.h"
#include "TTableData.h"

#include <QDate>
#include <QPainter>
#include <QPixmap>

TTableData GridFixture::sampleTable(int extraRows)
{
    TTableData t;
    t.AddField(QStringLiteral("STOK_STOKNO"), TFieldType::Integer);
    t.AddField(QStringLiteral("BARKOD"), TFieldType::String, 20);
    t.AddField(QStringLiteral("ADI"), TFieldType::String, 60);
    t.AddField(QStringLiteral("DURUM"), TFieldType::Integer);
    t.AddField(QStringLiteral("SEC"), TFieldType::Integer);
    t.AddField(QStringLiteral("FIYAT"), TFieldType::Float);
    t.AddField(QStringLiteral("TARIH"), TFieldType::Date);
    t.AddField(QStringLiteral("SATICIADI"), TFieldType::String, 30);
    struct Row {
        int no;
        const char* barkod;
        const char* adi;
        int durum;
        int sec;
        double fiyat;
        const char* satici;
    };
    static const Row rows[] = {
        {101, "FLT-100", "Yağ Filtresi", 1, 1, 125.50, "Ahmet"},
        {102, "FRN-200", "Fren Balatası", 0, 0, 1500000.00, "Zeynep"},
        {103, "IŞK-300", "IŞIK Ünitesi", 3, 1, 89.99, "Ahmet"},
        {104, "İST-400", "İstavroz", 1, 0, 310.00, "Çağla"},
        {105, "AMR-500", "Amortisör", 2, 0, 975.25, "Zeynep"},
        {106, "ŞAN-600", "Şanzıman Yağı", 5, 1, 45.10, "Ahmet"},
        {107, "CNT-700", "Conta Seti", 4, 0, 0.50, "Çağla"},
        {108, "ÖN-800", "Ön Cam", 0, 0, 2100.00, "Ümit"},
    };
    const QDate base(2024, 1, 5);
    int i = 0;
    for (const Row& r : rows) {
        t.AppendRecord({r.no, QString::fromUtf8(r.barkod), QString::fromUtf8(r.adi), r.durum, r.sec, r.fiyat,
                        base.addDays(i * 9), QString::fromUtf8(r.satici)});
        ++i;
    }
    for (int k = 0; k < extraRows; ++k)
        t.AppendRecord({1000 + k, QStringLiteral("X-%1").arg(k), QStringLiteral("Ek satır %1").arg(k), k % 6, 0,
                        double(k), base, QStringLiteral("Ahmet")});
    return t;
}

void GridFixture::fill(TClientDataSet& table, int extraRows)
{
    table.SetData(sampleTable(extraRows));
    table.SetDisplayFormat(table.FieldIndex(QStringLiteral("FIYAT")), QStringLiteral("#,###,##0.00"));
}

QIcon GridFixture::statusIcon(int value)
{
    static const QColor colours[] = {QColor(0xd6, 0x3a, 0x3a), QColor(0x2e, 0xa0, 0x4f), QColor(0xf0, 0x9a, 0x1a),
                                     QColor(0x2f, 0x7d, 0xd8), QColor(0x8a, 0x4f, 0xc9), QColor(0x7a, 0x86, 0x99)};
    QPixmap pm(24, 24);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor c = colours[qBound(0, value, 5)];
    p.setPen(c.darker(130));
    p.setBrush(c);
    p.drawEllipse(QRectF(3.5, 3.5, 17, 17));
    p.setPen(QPen(Qt::white, 2));
    p.drawLine(QPointF(8, 12), QPointF(16, 12));
    if (value == 1)
        p.drawLine(QPointF(12, 8), QPointF(12, 16));
    return QIcon(pm);
}

void GridFixture::declare(TGridView& grid)
{
    static const char* names[] = {"Yok", "Var", "Telefon Açınız", "Yolda", "Özel Sipariş", "Tedarik Sürecinde"};
    TGridColumn* durum = grid.addColumn(QStringLiteral("DURUM"), QStringLiteral("DURUM"), QStringLiteral("Durum"), 1);
    for (int v = 0; v < 6; ++v)
        durum->addIcon(v, statusIcon(v), QString::fromUtf8(names[v]));
    durum->setWidth(60);
    TGridColumn* sec = grid.addColumn(QStringLiteral("SEC"), QStringLiteral("SEC"), QStringLiteral("Seç"), 1);
    sec->setKind(TGridColumn::Kind::CheckBox);
    sec->setIncrementalSearch(false);
    sec->setOffered(false);
    sec->setWidth(44);
    grid.addColumn(QStringLiteral("BARKOD"), QStringLiteral("BARKOD"), QStringLiteral("DEP Kod"), 2)->setWidth(90);
    TGridColumn* adi = grid.addColumn(QStringLiteral("ADI"), QStringLiteral("ADI"), QStringLiteral("Açıklama"), 4);
    adi->setWrapText(true);
    adi->setWidth(160);
    TGridColumn* fiyat = grid.addColumn(QStringLiteral("FIYAT"), QStringLiteral("FIYAT"), QStringLiteral("Fiyat"), 2);
    fiyat->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    fiyat->setWidth(110);
    grid.addColumn(QStringLiteral("TARIH"), QStringLiteral("TARIH"), QStringLiteral("Tarih"), 2)->setWidth(90);
    grid.addColumn(QStringLiteral("SATICIADI"), QStringLiteral("SATICIADI"), QStringLiteral("Satıcı"), 2)->setWidth(90);
    TGridColumn* no = grid.addColumn(QStringLiteral("STOK_STOKNO"), QStringLiteral("STOK_STOKNO"), QString(), 1);
    no->setVisible(false);
    no->setOffered(false);
}
