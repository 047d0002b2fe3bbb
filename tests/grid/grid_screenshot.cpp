// Renders a demo grid (icons, check boxes, a drawn price cell, a footer, an active filter) to a PNG
// for looking at the grid's finish: grid_screenshot <file.png> [sapphire]
#include "FormatFloat.h"
#include "GridFixture.h"
#include "TClientDataSet.h"
#include "TGridView.h"

#include <QApplication>
#include <QPainter>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("grid.png");

    TClientDataSet table;
    GridFixture::fill(table);
    TGridView grid;
    GridFixture::declare(grid);
    grid.setDataSet(&table);
    grid.setHeaderHeight(40);
    grid.setRowHeight(50);
    grid.setSelectionBold(true);
    grid.setFooterVisible(true);
    grid.addFooterSummary({TGridSummary::Kind::Count, "BARKOD"});
    grid.addFooterSummary({TGridSummary::Kind::Sum, "FIYAT"});

    TGridColumn* info = grid.addColumn(QStringLiteral("BILGI"), QString(), QStringLiteral("Fiyat Bilgisi"), 2);
    info->setHeaderAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    info->setWidth(170);
    const int fiyat = table.FieldIndex(QStringLiteral("FIYAT"));
    info->setPainter([&table, fiyat](QPainter& p, const QRect& r, int record, const TGridCellState&) {
        const double price = table.Data().AsFloat(record, fiyat);
        const QString money = QStringLiteral("#,###,##0.00");
        QString text = QStringLiteral("Liste Fiyatı: ") + FormatFloat(money, price) + QStringLiteral("\r\n");
        if (record % 2 == 0)
            text += QStringLiteral("Kampanyalı Fiyat: ") + FormatFloat(money, price * 0.9) + QStringLiteral("\r\n");
        text += QStringLiteral("NetFiyat: ") + FormatFloat(money, price * 0.8) + QStringLiteral("\r\n");
        text += QStringLiteral("KDV li Fiyat: ") + FormatFloat(money, price * 0.96) + QStringLiteral("\r\n");
        QFont f = p.font();
        f.setPointSizeF(f.pointSizeF() - 1.5);
        p.setFont(f);
        p.drawText(r.adjusted(10, 0, -10, 0), Qt::AlignRight | Qt::AlignVCenter | Qt::TextWordWrap, text.trimmed());
    });
    grid.setRowHeight(66);

    if (argc > 2 && QString::fromLocal8Bit(argv[2]) == QLatin1String("sapphire")) {
        // The stock list's own styles: blue header band, grey and white rows.
        grid.setHeaderColors(QColor(0x2e, 0x31, 0x92), Qt::white);
        grid.setRowColors(QColor(0xef, 0xef, 0xef), Qt::white);
    }
    grid.setColumnFilter(QStringLiteral("SATICIADI"), {QStringLiteral("Ahmet"), QStringLiteral("Zeynep"),
                                                       QStringLiteral("Çağla")});
    grid.sortBy(QStringLiteral("DURUM"), Qt::DescendingOrder);
    grid.resize(1040, 520);
    grid.show();
    grid.setFocusedRecord(2);
    app.processEvents();
    const bool ok = grid.grab().save(out);
    return ok ? 0 : 1;
}
