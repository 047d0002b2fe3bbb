#pragma once
#include <QAbstractItemDelegate>

class TGridView;
class TGridColumn;

// Paints every cell of a TGridView straight from the table (no item roles): the row background
// (selection, even/odd colour), the light grid lines, then the cell by its column's kind — text,
// icon, check box, progress bar, button or the column's own painter. Group header rows get only
// their background here (the view draws their caption across the row); group footer rows show the
// group summaries under their columns.
class TGridCellDelegate : public QAbstractItemDelegate {
    Q_OBJECT
public:
    explicit TGridCellDelegate(TGridView* view);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // The button of a Button cell inside the cell's rectangle.
    static QRect buttonRect(const QRect& cell);
    // The check box square of a CheckBox cell.
    static QRect checkRect(const QRect& cell);

    // Marks the button cell drawn pressed (-1, -1: none).
    void setPressed(int row, int column);

private:
    void paintText(QPainter* p, const QRect& r, const QString& text, const TGridColumn& column) const;
    void paintIcon(QPainter* p, const QRect& r, const QVariant& value, const TGridColumn& column, const QColor& text) const;
    void paintCheck(QPainter* p, const QRect& r, bool checked, bool selected) const;
    void paintProgress(QPainter* p, const QRect& r, const QVariant& value, const TGridColumn& column) const;
    void paintButton(QPainter* p, const QRect& r, const TGridColumn& column, bool pressed) const;

    TGridView* view_;
    int pressedRow_ = -1;
    int pressedColumn_ = -1;
};
