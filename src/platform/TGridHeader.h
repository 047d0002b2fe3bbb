#pragma once
#include <QColor>
#include <QHeaderView>

class TGridFilterProxy;

// The column header of a TGridView: a gradient band in the header colour with bold, wrapped,
// aligned captions, the sort mark of the sorted column and, in every filterable column, a small
// filter button (filled while that column is filtered). A press on the button asks for the filter
// list instead of sorting. Colours come from the palette (Button, ButtonText, Highlight) unless the
// view sets its own.
class TGridHeader : public QHeaderView {
    Q_OBJECT
public:
    explicit TGridHeader(QWidget* parent = nullptr);

    void setFixedHeaderHeight(int height);  // 0: from the captions
    int fixedHeaderHeight() const { return fixedHeight_; }
    void setFilterButtons(bool on);
    bool filterButtons() const { return filterButtons_; }
    void setColors(const QColor& background, const QColor& text, const QColor& line);

    // The filter button of a section in header coordinates; empty when it has none.
    QRect filterButtonRect(int logicalIndex) const;
    bool hasFilterButton(int logicalIndex) const;

    QSize sizeHint() const override;

signals:
    void filterButtonClicked(int logicalIndex);

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
    QSize sectionSizeFromContents(int logicalIndex) const override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    TGridFilterProxy* proxy() const;
    QRect buttonRect(const QRect& section) const;

    int fixedHeight_ = 0;
    bool filterButtons_ = true;
    int hoverSection_ = -1;  // the section under the mouse
    bool hoverButton_ = false;  // … and the mouse is on its filter button
    QColor background_;
    QColor text_;
    QColor line_;
};
