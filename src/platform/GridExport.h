#pragma once
#include <QString>

#include <functional>

class QWidget;
class TGridView;

// The "Excel Kaydet" export of a grid: a save dialog with the filter "Excel|*.xls*"; a name
// without an extension gets ".xls" and is written as a legacy Excel (BIFF8) workbook, a name ending
// in ".xlsx" as Office Open XML. The sheet holds a header row with the captions of the visible
// columns in screen order, then every row the grid shows after its filter (all of them, not only
// the selected or scrolled-to ones; groups expanded, each with its header line and its footer
// sums), then the footer summaries. Cells keep their types: numbers as numbers (with the money
// format where the field has one), dates as dates, texts as texts, icon cells as their
// descriptions. Columns that hold no values (buttons, drawn cells without a value) are left out.
// Cancelling the dialog does nothing. Failures raise EHata with a Turkish text.
namespace GridExport {

// Asks for the file name: parent, caption, the dialog filter in Qt's form ("Excel (*.xls*)").
// Returns the chosen name or empty for cancel.
using SaveDialog = std::function<QString(QWidget* parent, const QString& caption, const QString& filter)>;

// Replaces the save dialog (tests); an empty function restores the non-native QFileDialog.
void setSaveDialog(SaveDialog dialog);

// The filter as the program states it and as the dialog gets it.
QString filter();

// Asks, then writes. Returns the path written, empty when the user cancelled.
QString ExcelKaydet(const TGridView& grid, QWidget* parent = nullptr);

// Writes the grid to path as it is (no dialog, no extension added).
void exportToFile(const TGridView& grid, const QString& path);

} // namespace GridExport
