#pragma once
#include "TField.h"
#include "TFloatFormat.h"
#include "TTableData.h"

#include <QObject>
#include <QString>
#include <QVariant>

#include <vector>

// The in-memory client table the pages load their server tables into and the grids show.
//
// Columns: prescribed with AddFieldDef while the table is closed (CreateDataSet opens it empty), or
// taken from what is loaded: SetData replaces columns and rows with a table packet, CopyFromReader
// keeps the prescribed columns and adds the reader's further ones. Rows: a current record (RecNo,
// 0-based, -1 when empty) moved by First/Next/Prior/Last/SetRecNo/Locate; fields read through
// FieldByName; single fields changed between Edit() and Post().
//
// Signals (for TClientTableModel): aboutToReset()/dataReset() around every change of the whole
// content, rowChanged(row) after a Post of an edited row, currentChanged(row) when the current record
// moves. While DisableControls() is in effect nothing is emitted; the EnableControls() that ends it
// emits one dataReset().
//
// Threads: the object lives on the interface thread, but a page's loader fills it on a worker thread
// while the page's grid is detached (TClientTableModel::detach) and with controls disabled; nothing
// here touches the interface. At any moment only one thread may use a table: the worker while it
// fills it, the interface thread otherwise. Signals emitted from a worker reach the model queued.
class TClientDataSet : public QObject {
    Q_OBJECT
public:
    enum class State { Inactive, Browse, Edit, Insert };

    explicit TClientDataSet(QObject* parent = nullptr);
    ~TClientDataSet() override;

    // Field definitions.
    void AddFieldDef(const QString& name, TFieldType type, int size = 0);
    void ClearFieldDefs();
    int FieldCount() const noexcept { return table_.FieldCount(); }
    const TFieldDef& FieldDef(int field) const { return table_.FieldDef(field); }
    std::vector<TFieldDef> FieldDefs() const { return table_.FieldDefs(); }
    int FieldIndex(const QString& name) const noexcept { return table_.FieldIndex(name); }
    TField FieldByName(const QString& name);  // EDatabaseError "Field 'X' not found"
    TField FindField(const QString& name);    // an invalid handle when absent
    TField Fields(int index);

    // Display formats: FormatFloat formats for numeric fields, QDateTime formats for dates.
    QString DisplayFormat(int field) const { return table_.DisplayFormat(field); }
    void SetDisplayFormat(int field, const QString& format);
    // A cell as the grid shows it: numbers with their display format (Float and BCD without one as
    // FloatToStr, integers plainly), dates "dd.MM.yyyy", date-times "dd.MM.yyyy HH:mm", booleans
    // "True"/"False", null empty. Empty for a cell out of range.
    QString DisplayText(int row, int field) const;

    // Opening and loading.
    bool Active() const noexcept { return state_ != State::Inactive; }
    void SetActive(bool active) { active ? Open() : Close(); }
    void CreateDataSet();  // opens the prescribed columns, empty
    void Open();           // CreateDataSet when closed
    void Close();          // drops the rows, keeps the columns
    void SetData(TTableData&& packet);
    void CopyFromReader(TTableData&& reader);
    void EmptyDataSet();
    const TTableData& Data() const noexcept { return table_; }

    // Records.
    int RecordCount() const noexcept { return Active() ? table_.RowCount() : 0; }
    int RecNo() const noexcept { return recNo_; }
    void SetRecNo(int row);
    void First();
    void Next();
    void Prior();
    void Last();
    bool Eof() const noexcept { return eof_; }
    bool Bof() const noexcept { return bof_; }
    // Exact, case-sensitive match of the value converted to the field's type; moves the current
    // record to the first match. False (record unchanged) when none matches or the value cannot be
    // of the field's type.
    bool Locate(const QString& fieldName, const QVariant& value);

    // Editing: navigation and Locate post a pending edit first, loading cancels it.
    State DataSetState() const noexcept { return state_; }
    void Edit();    // on an empty table the same as Append
    void Append();  // a new record at the end, posted by Post
    void Post();
    void Cancel();

    void DisableControls();
    void EnableControls();
    bool ControlsDisabled() const noexcept { return disabled_ > 0; }

signals:
    void aboutToReset();
    void dataReset();
    void rowChanged(int row);
    void currentChanged(int row);

private:
    friend class TField;
    class ResetScope;

    QString CellText(const TColumn& column, int row, int field) const;
    std::pair<const TColumn*, int> CurrentCell(int field) const;
    TTableData& EditBuffer(int field);
    void CheckField(int field) const;
    void CheckActive() const;
    void CheckBrowse();
    void DropEdit();
    void CompileFormat(int field);
    void CompileFormats();
    void ResetCursor();
    void MoveTo(int row);
    bool Notifying() const noexcept { return disabled_ == 0; }

    TTableData table_;
    std::vector<TFloatFormat> numberFormats_;
    TTableData buffer_;
    std::vector<bool> modified_;
    State state_ = State::Inactive;
    bool eof_ = true;
    bool bof_ = true;
    int recNo_ = -1;
    int disabled_ = 0;
};
