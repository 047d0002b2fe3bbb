#include "TGridColumn.h"

TGridColumn::TGridColumn(const QString& name, const QString& fieldName, QObject* parent)
    : QObject(parent), fieldName_(fieldName)
{
    setObjectName(name);
}

void TGridColumn::setFieldName(const QString& field)
{
    if (field == fieldName_)
        return;
    fieldName_ = field;
    emit fieldChanged();
    notify(true);
}

void TGridColumn::setCaption(const QString& caption)
{
    if (caption == caption_)
        return;
    caption_ = caption;
    notify(true);
}

void TGridColumn::setWeight(int weight)
{
    weight_ = weight;  // the width rule reads it when it runs; nothing to redraw
}

void TGridColumn::setVisible(bool visible)
{
    if (visible == visible_)
        return;
    visible_ = visible;
    notify(true);
}

void TGridColumn::setOffered(bool offered)
{
    offered_ = offered;
}

void TGridColumn::setWidth(int width)
{
    width = qMax(0, width);
    if (width == width_)
        return;
    width_ = width;
    notify(true);
}

void TGridColumn::setAlignment(Qt::Alignment alignment)
{
    if (!(alignment & Qt::AlignVertical_Mask))
        alignment |= Qt::AlignVCenter;
    if (!(alignment & Qt::AlignHorizontal_Mask))
        alignment |= Qt::AlignLeft;
    alignment_ = alignment;
    notify(false);
}

void TGridColumn::setHeaderAlignment(Qt::Alignment alignment)
{
    headerAlignment_ = alignment;
    notify(true);
}

void TGridColumn::setWrapText(bool wrap)
{
    wrap_ = wrap;
    notify(false);
}

void TGridColumn::setSortable(bool sortable)
{
    sortable_ = sortable;
    notify(true);
}

void TGridColumn::setFilterable(bool filterable)
{
    filterable_ = filterable;
    notify(true);
}

void TGridColumn::setIncrementalSearch(bool on)
{
    incrementalSearch_ = on;
}

void TGridColumn::setKind(Kind kind)
{
    kind_ = kind;
    if (kind == Kind::Icon || kind == Kind::CheckBox || kind == Kind::Button)
        alignment_ = Qt::AlignCenter;
    notify(false);
}

void TGridColumn::setIcons(std::vector<IconItem> items)
{
    icons_ = std::move(items);
    kind_ = Kind::Icon;
    alignment_ = (alignment_ & Qt::AlignVertical_Mask) | Qt::AlignHCenter;
    notify(false);
}

void TGridColumn::addIcon(const QVariant& value, const QIcon& icon, const QString& description)
{
    auto items = icons_;
    items.push_back({value, icon, description});
    setIcons(std::move(items));
}

const TGridColumn::IconItem* TGridColumn::iconFor(const QVariant& value) const
{
    if (!value.isValid())
        return nullptr;
    // Values compare as numbers when both are numbers, so an int item matches a double cell.
    bool numeric = false;
    const double number = value.toDouble(&numeric);
    for (const IconItem& item : icons_) {
        bool itemNumeric = false;
        const double itemNumber = item.value.toDouble(&itemNumeric);
        if (numeric && itemNumeric ? number == itemNumber : item.value.toString() == value.toString())
            return &item;
    }
    return nullptr;
}

void TGridColumn::setIconSize(const QSize& size)
{
    iconSize_ = size;
    notify(false);
}

void TGridColumn::setShowsIconText(bool on)
{
    iconText_ = on;
    notify(false);
}

void TGridColumn::setProgressRange(int minimum, int maximum)
{
    progressMin_ = minimum;
    progressMax_ = qMax(minimum, maximum);
    notify(false);
}

void TGridColumn::setButtonText(const QString& text)
{
    buttonText_ = text;
    notify(false);
}

void TGridColumn::setButtonIcon(const QIcon& icon)
{
    buttonIcon_ = icon;
    notify(false);
}

void TGridColumn::setPainter(Painter painter)
{
    painter_ = std::move(painter);
    kind_ = Kind::Custom;
    notify(false);
}

void TGridColumn::setValueProvider(ValueProvider provider)
{
    provider_ = std::move(provider);
    notify(false);
}
