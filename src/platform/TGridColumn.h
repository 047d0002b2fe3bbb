#pragma once
#include "TGridCellState.h"

#include <QIcon>
#include <QObject>
#include <QString>
#include <QVariant>

#include <functional>
#include <vector>

class QPainter;

// One column of a TGridView: which field it shows (by name; empty for an unbound column), how its
// header reads, its weight for the width rule, whether it is shown and whether the user may bring
// it back from the column chooser, and how its cells look.
//
// Cells by kind:
//   Text      the field's display text; alignment and word wrap as set.
//   Icon      the icon of the item whose value equals the cell (an image list by value, e.g. DURUM
//             0..5); the item's description is the cell's text for filters, search and export.
//   CheckBox  ticked when the value is 1; the toggle callback (double-click or Space on the cell)
//             lets the page decide what a toggle means — the grid itself never writes the table.
//   Progress  a bar between progressMinimum and progressMaximum with the value as a percentage.
//   Button    a push button; TGridView::buttonClicked(record, column) when pressed.
//   Custom    drawn by the painter, after the grid has filled the background.
//
// Columns belong to their view (TGridView::addColumn); the objectName is the column's name. Every
// setter tells the view, which re-lays out or repaints.
class TGridColumn : public QObject {
    Q_OBJECT
public:
    enum class Kind { Text, Icon, CheckBox, Progress, Button, Custom };

    struct IconItem {
        QVariant value;
        QIcon icon;
        QString description;
    };

    using Painter = std::function<void(QPainter& painter, const QRect& rect, int record, const TGridCellState& state)>;
    using Toggle = std::function<void(int record)>;
    using ValueProvider = std::function<QVariant(int record)>;

    TGridColumn(const QString& name, const QString& fieldName, QObject* parent = nullptr);

    QString name() const { return objectName(); }
    QString fieldName() const { return fieldName_; }
    void setFieldName(const QString& field);
    bool isBound() const { return !fieldName_.isEmpty(); }

    // The header shows the caption, or the field's name when the caption is empty.
    QString caption() const { return caption_; }
    void setCaption(const QString& caption);
    QString headerText() const { return caption_.isEmpty() ? fieldName_ : caption_; }

    int weight() const { return weight_; }  // the column's tag
    void setWeight(int weight);
    bool isVisible() const { return visible_; }
    void setVisible(bool visible);
    // Offered in the header's column chooser; a hidden column that is not offered stays hidden.
    bool isOffered() const { return offered_; }
    void setOffered(bool offered);

    int width() const { return width_; }
    void setWidth(int width);

    Qt::Alignment alignment() const { return alignment_; }  // horizontal and vertical
    void setAlignment(Qt::Alignment alignment);
    Qt::Alignment headerAlignment() const { return headerAlignment_; }
    void setHeaderAlignment(Qt::Alignment alignment);
    bool wrapText() const { return wrap_; }
    void setWrapText(bool wrap);

    bool isSortable() const { return sortable_; }
    void setSortable(bool sortable);
    bool isFilterable() const { return filterable_; }  // has a header filter button
    void setFilterable(bool filterable);
    bool incrementalSearch() const { return incrementalSearch_; }
    void setIncrementalSearch(bool on);

    Kind kind() const { return kind_; }
    void setKind(Kind kind);

    // Icon cells.
    void setIcons(std::vector<IconItem> items);
    void addIcon(const QVariant& value, const QIcon& icon, const QString& description = QString());
    const std::vector<IconItem>& icons() const { return icons_; }
    const IconItem* iconFor(const QVariant& value) const;
    QSize iconSize() const { return iconSize_; }
    void setIconSize(const QSize& size);
    bool showsIconText() const { return iconText_; }  // description beside the icon
    void setShowsIconText(bool on);

    // Check-box cells.
    void setToggle(Toggle toggle) { toggle_ = std::move(toggle); }
    const Toggle& toggle() const { return toggle_; }

    // Progress cells.
    int progressMinimum() const { return progressMin_; }
    int progressMaximum() const { return progressMax_; }
    void setProgressRange(int minimum, int maximum);

    // Button cells.
    QString buttonText() const { return buttonText_; }
    void setButtonText(const QString& text);
    QIcon buttonIcon() const { return buttonIcon_; }
    void setButtonIcon(const QIcon& icon);

    // Custom cells.
    void setPainter(Painter painter);
    const Painter& painter() const { return painter_; }

    // The value of an unbound column (for sorting, filters, search and export).
    void setValueProvider(ValueProvider provider);
    const ValueProvider& valueProvider() const { return provider_; }

signals:
    // layout: visibility, width, weight, caption or header look changed; otherwise only the cells.
    void changed(bool layout);
    // The bound field's name changed: the view looks the field up again.
    void fieldChanged();

private:
    void notify(bool layout) { emit changed(layout); }

    QString fieldName_;
    QString caption_;
    int weight_ = 1;
    bool visible_ = true;
    bool offered_ = true;
    int width_ = 100;
    Qt::Alignment alignment_ = Qt::AlignLeft | Qt::AlignVCenter;
    Qt::Alignment headerAlignment_ = Qt::AlignCenter;
    bool wrap_ = false;
    bool sortable_ = true;
    bool filterable_ = true;
    bool incrementalSearch_ = true;
    Kind kind_ = Kind::Text;
    std::vector<IconItem> icons_;
    QSize iconSize_{24, 24};
    bool iconText_ = false;
    Toggle toggle_;
    int progressMin_ = 0;
    int progressMax_ = 100;
    QString buttonText_;
    QIcon buttonIcon_;
    Painter painter_;
    ValueProvider provider_;
};
