#include "GridExport.h"

#include "EHata.h"
#include "SpreadsheetWriter.h"
#include "TClientDataSet.h"
#include "TGridColumn.h"
#include "TGridFilterProxy.h"
#include "TGridFilterPopup.h"
#include "TGridFooter.h"
#include "TGridView.h"

#include <QDir>
#include <QFileDialog>

#include <exception>
#include <vector>

namespace GridExport {
namespace {

SaveDialog& dialogHook()
{
    static SaveDialog hook;
    return hook;
}

QString defaultDialog(QWidget* parent, const QString& caption, const QString& filter)
{
    return QFileDialog::getSaveFileName(parent, caption, QString(), filter, nullptr,
                                        QFileDialog::DontUseNativeDialog);
}

using Style = SpreadsheetWriter::NumberStyle;

// The cell format nearest to a field's display format: decimals → money, grouping → integer.
Style styleFor(const QString& format)
{
    if (format.contains(QLatin1String(".0")) || format.contains(QLatin1String(".#")))
        return Style::Money;
    if (format.contains(QLatin1Char(',')))
        return Style::Integer;
    return Style::General;
}

struct ExportColumn {
    int index;  // in the grid
    const TGridColumn* column;
    int field;  // -1 unbound
};

class Exporter {
public:
    Exporter(const TGridView& grid, SpreadsheetWriter& out) : grid_(grid), proxy_(*grid.proxy()), out_(out)
    {
        ds_ = proxy_.dataSet();
        for (const TGridColumn* c : grid.visibleColumns()) {
            const int i = grid.indexOf(c);
            const int field = proxy_.fieldOf(i);
            if (c->kind() == TGridColumn::Kind::Button)
                continue;
            if (field < 0 && !c->valueProvider())
                continue;
            columns_.push_back({i, c, field});
        }
    }

    void run()
    {
        out_.addSheet(QString());
        for (std::size_t k = 0; k < columns_.size(); ++k) {
            const int col = static_cast<int>(k);
            out_.writeHeader(0, col, columns_[k].column->headerText());
            out_.setColumnWidth(col, qBound(6.0, columns_[k].column->width() / 7.0, 80.0));
        }
        int row = 1;
        const std::vector<int>& records = proxy_.records();
        if (proxy_.groupColumn() < 0) {
            for (int r : records)
                writeRecord(row++, r);
        } else {
            const TGridColumn* by = grid_.columnAt(proxy_.groupColumn());
            const auto& groups = proxy_.groups();
            for (std::size_t g = 0; g < groups.size(); ++g) {
                const TGridFilterProxy::Group& group = groups[g];
                if (!columns_.empty()) {
                    const QString value = group.text.isEmpty() ? TGridFilterPopup::kBlank : group.text;
                    out_.writeString(row, 0, QStringLiteral("%1: %2 (%3)").arg(by ? by->headerText() : QString(), value)
                                                 .arg(group.count));
                }
                ++row;
                for (int i = group.first; i < group.first + group.count; ++i)
                    writeRecord(row++, records[static_cast<std::size_t>(i)]);
                if (proxy_.groupFooters() && writeSummaries(row, proxy_.groupSummaries(), static_cast<int>(g)))
                    ++row;
            }
        }
        if (grid_.isFooterVisible())
            writeSummaries(row, grid_.footer()->summaries(), -1);
    }

private:
    void writeRecord(int row, int record)
    {
        for (std::size_t k = 0; k < columns_.size(); ++k)
            writeCell(row, static_cast<int>(k), columns_[k], record);
    }

    void writeCell(int row, int col, const ExportColumn& c, int record)
    {
        if (c.column->kind() == TGridColumn::Kind::Icon) {
            const TGridColumn::IconItem* item = c.column->iconFor(proxy_.value(record, c.index));
            if (item && !item->description.isEmpty()) {
                out_.writeString(row, col, item->description);
                return;
            }
        }
        if (c.field < 0) {
            writeVariant(row, col, c.column->valueProvider()(record));
            return;
        }
        if (!ds_ || record >= ds_->Data().RowCount() || c.field >= ds_->FieldCount())
            return;
        const TColumn& cells = ds_->Data().Column(c.field);
        if (cells.IsNull(record))
            return;
        const TFieldType type = cells.Def().DataType;
        switch (type) {
        case TFieldType::String:
            out_.writeString(row, col, cells.AsString(record));
            break;
        case TFieldType::Integer:
        case TFieldType::LargeInt:
        case TFieldType::Float:
        case TFieldType::BCD:
            out_.writeNumber(row, col, cells.AsFloat(record), styleFor(ds_->DisplayFormat(c.field)));
            break;
        case TFieldType::Date:
        case TFieldType::DateTime:
            out_.writeDate(row, col, cells.AsDateTime(record), type == TFieldType::DateTime);
            break;
        case TFieldType::Boolean:
            out_.writeBool(row, col, cells.AsBoolean(record));
            break;
        }
    }

    void writeVariant(int row, int col, const QVariant& v)
    {
        switch (v.typeId()) {
        case QMetaType::UnknownType:
            return;
        case QMetaType::Bool:
            out_.writeBool(row, col, v.toBool());
            return;
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
            out_.writeNumber(row, col, v.toDouble(), Style::General);
            return;
        case QMetaType::Double:
        case QMetaType::Float:
            out_.writeNumber(row, col, v.toDouble(), Style::Money);
            return;
        case QMetaType::QDate:
            out_.writeDate(row, col, v.toDate().startOfDay(), false);
            return;
        case QMetaType::QDateTime:
            out_.writeDate(row, col, v.toDateTime(), true);
            return;
        default:
            out_.writeString(row, col, v.toString());
        }
    }

    // Summaries under their columns on one row; false when none of them is exported.
    bool writeSummaries(int row, const std::vector<TGridSummary>& summaries, int group)
    {
        bool any = false;
        for (const TGridSummary& s : summaries) {
            for (std::size_t k = 0; k < columns_.size(); ++k) {
                if (columns_[k].column->name().compare(s.column, Qt::CaseInsensitive) != 0)
                    continue;
                const double v = proxy_.summaryValue(s, group);
                Style style = Style::General;
                if (s.kind == TGridSummary::Kind::Sum) {
                    QString format = s.format;
                    if (format.isEmpty() && ds_) {
                        const int field = s.field.isEmpty() ? columns_[k].field : ds_->FieldIndex(s.field);
                        if (field >= 0)
                            format = ds_->DisplayFormat(field);
                    }
                    style = styleFor(format);
                }
                out_.writeNumber(row, static_cast<int>(k), v, style);
                any = true;
                break;
            }
        }
        return any;
    }

    const TGridView& grid_;
    const TGridFilterProxy& proxy_;
    SpreadsheetWriter& out_;
    const TClientDataSet* ds_ = nullptr;
    std::vector<ExportColumn> columns_;
};

} // namespace

void setSaveDialog(SaveDialog dialog)
{
    dialogHook() = std::move(dialog);
}

QString filter()
{
    return QStringLiteral("Excel (*.xls*)");
}

void exportToFile(const TGridView& grid, const QString& path)
{
    try {
        std::unique_ptr<SpreadsheetWriter> writer = SpreadsheetWriter::forFileName(path);
        Exporter(grid, *writer).run();
        writer->save(path);
    } catch (const EHata&) {
        throw;
    } catch (const std::exception& e) {
        throw EHata(QStringLiteral("Excel dosyası kaydedilemedi: %1\r\n%2")
                        .arg(QDir::toNativeSeparators(path), QString::fromLocal8Bit(e.what())));
    }
}

QString ExcelKaydet(const TGridView& grid, QWidget* parent)
{
    const SaveDialog& hook = dialogHook();
    const QString caption = QStringLiteral("Excel Kaydet");
    const QString chosen = hook ? hook(parent, caption, filter()) : defaultDialog(parent, caption, filter());
    if (chosen.isEmpty())
        return {};
    const QString path = SpreadsheetWriter::withDefaultExtension(chosen);
    exportToFile(grid, path);
    return path;
}

} // namespace GridExport
