#include "TGridHeader.h"

#include "TGridColumn.h"
#include "TGridFilterProxy.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int kButton = 16;  // filter button square
constexpr int kPad = 6;
constexpr int kSortMark = 10;

bool isDark(const QColor& c)
{
    return c.lightnessF() < 0.5;
}

} // namespace

TGridHeader::TGridHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent)
{
    setMouseTracking(true);
    setSectionsClickable(true);
    setSectionsMovable(true);
    setHighlightSections(false);
    setSortIndicatorShown(false);
    setDefaultAlignment(Qt::AlignCenter);
    setMinimumSectionSize(0);
}

void TGridHeader::setFixedHeaderHeight(int height)
{
    fixedHeight_ = qMax(0, height);
    updateGeometry();
}

void TGridHeader::setFilterButtons(bool on)
{
    filterButtons_ = on;
    viewport()->update();
}

void TGridHeader::setColors(const QColor& background, const QColor& text, const QColor& line)
{
    background_ = background;
    text_ = text;
    line_ = line;
    viewport()->update();
}

QSize TGridHeader::sizeHint() const
{
    QSize s = QHeaderView::sizeHint();
    if (fixedHeight_ > 0)
        s.setHeight(fixedHeight_);
    return s;
}

TGridFilterProxy* TGridHeader::proxy() const
{
    return qobject_cast<TGridFilterProxy*>(model());
}

bool TGridHeader::hasFilterButton(int logicalIndex) const
{
    if (!filterButtons_)
        return false;
    const TGridFilterProxy* p = proxy();
    const TGridColumn* c = p ? p->column(logicalIndex) : nullptr;
    return c && c->isFilterable();
}

QRect TGridHeader::buttonRect(const QRect& section) const
{
    const int size = qMin(kButton, section.height() - 4);
    return QRect(section.right() - kPad - size + 1, section.center().y() - size / 2, size, size);
}

QRect TGridHeader::filterButtonRect(int logicalIndex) const
{
    if (!hasFilterButton(logicalIndex) || isSectionHidden(logicalIndex))
        return {};
    const QRect section(sectionViewportPosition(logicalIndex), 0, sectionSize(logicalIndex), height());
    if (section.width() < kButton + 2 * kPad)
        return {};
    return buttonRect(section);
}

QSize TGridHeader::sectionSizeFromContents(int logicalIndex) const
{
    QSize s = QHeaderView::sectionSizeFromContents(logicalIndex);
    if (hasFilterButton(logicalIndex))
        s.rwidth() += kButton + kPad;
    s.rwidth() += kSortMark;
    return s;
}

void TGridHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    if (!rect.isValid())
        return;
    const QColor base = background_.isValid() ? background_ : palette().color(QPalette::Button);
    const QColor textColor = text_.isValid() ? text_ : palette().color(QPalette::ButtonText);
    const bool dark = isDark(base);

    painter->save();
    QLinearGradient fill(rect.topLeft(), rect.bottomLeft());
    fill.setColorAt(0.0, base.lighter(dark ? 135 : 106));
    fill.setColorAt(0.55, base);
    fill.setColorAt(1.0, base.darker(dark ? 115 : 104));
    painter->fillRect(rect, fill);

    const QColor separator = line_.isValid() ? line_ : (dark ? base.lighter(150) : base.darker(118));
    painter->setPen(separator);
    painter->drawLine(rect.topRight(), rect.bottomRight());
    painter->setPen(dark ? base.darker(140) : base.darker(125));
    painter->drawLine(rect.bottomLeft(), rect.bottomRight());
    if (dark) {
        painter->setPen(QColor(255, 255, 255, 40));
        painter->drawLine(rect.topLeft(), rect.topRight());
    }

    const TGridFilterProxy* p = proxy();
    const TGridColumn* column = p ? p->column(logicalIndex) : nullptr;
    const bool filtered = p && p->isFiltered(logicalIndex);
    const bool sorted = p && p->sortColumn() == logicalIndex;
    const QString caption = column ? column->headerText() : QString();

    QFont f = font();
    f.setBold(true);
    painter->setFont(f);
    const QFontMetrics fm(f);
    QRect textRect = rect.adjusted(kPad, 2, -kPad, -2);
    if (sorted)
        textRect.setRight(textRect.right() - kSortMark);
    // A caption that may wrap needs room for its longest word, else for all of it.
    const bool twoLines = textRect.height() >= 2 * fm.lineSpacing();
    int needed = fm.horizontalAdvance(caption);
    if (twoLines && caption.contains(QLatin1Char(' '))) {
        needed = 0;
        for (const QString& word : caption.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            needed = qMax(needed, fm.horizontalAdvance(word));
    }
    // The filter button always shows where it leaves the caption room; in a narrow column only
    // while the mouse is on it or the column is filtered, drawn over the caption's end.
    const bool canButton = hasFilterButton(logicalIndex) && rect.width() >= kButton + 2 * kPad;
    const bool roomy = textRect.width() - kButton - 2 >= needed;
    const bool hasButton = canButton && (roomy || filtered || hoverSection_ == logicalIndex);
    if (canButton && roomy)
        textRect.setRight(textRect.right() - kButton - 2);

    painter->setPen(textColor);
    const Qt::Alignment align = column ? column->headerAlignment() : Qt::AlignCenter;
    if (fm.horizontalAdvance(caption) <= textRect.width())
        painter->drawText(textRect, static_cast<int>(align), caption);
    else if (twoLines && caption.contains(QLatin1Char(' ')))
        painter->drawText(textRect, static_cast<int>(align) | Qt::TextWordWrap, caption);
    else
        painter->drawText(textRect, static_cast<int>(align), fm.elidedText(caption, Qt::ElideRight, textRect.width()));

    painter->setRenderHint(QPainter::Antialiasing, true);
    if (sorted) {
        const int x = textRect.right() + kSortMark / 2 + 1;
        const int y = rect.center().y();
        QPainterPath mark;
        if (p->sortOrder() == Qt::AscendingOrder) {
            mark.moveTo(x - 4, y + 2);
            mark.lineTo(x + 4, y + 2);
            mark.lineTo(x, y - 3);
        } else {
            mark.moveTo(x - 4, y - 2);
            mark.lineTo(x + 4, y - 2);
            mark.lineTo(x, y + 3);
        }
        mark.closeSubpath();
        painter->setPen(Qt::NoPen);
        painter->setBrush(textColor);
        painter->drawPath(mark);
    }

    if (hasButton) {
        const QRect b = buttonRect(rect);
        const bool hover = hoverSection_ == logicalIndex && hoverButton_;
        QColor funnel = textColor;
        if (filtered) {
            const QColor mark = dark ? QColor(Qt::white) : palette().color(QPalette::Highlight);
            painter->setPen(Qt::NoPen);
            painter->setBrush(mark);
            painter->drawRoundedRect(QRectF(b).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
            funnel = dark ? base : palette().color(QPalette::HighlightedText);
        } else {
            if (hover) {
                QColor frame = textColor;
                frame.setAlpha(90);
                painter->setPen(frame);
                QColor glow = dark ? QColor(255, 255, 255, 40) : QColor(255, 255, 255, 150);
                painter->setBrush(glow);
                painter->drawRoundedRect(QRectF(b).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
            }
            funnel.setAlpha(hover ? 255 : 150);
        }
        const QPointF c = QRectF(b).center();
        QPainterPath shape;
        shape.moveTo(c.x() - 4.5, c.y() - 3.5);
        shape.lineTo(c.x() + 4.5, c.y() - 3.5);
        shape.lineTo(c.x() + 1.0, c.y() + 0.5);
        shape.lineTo(c.x() + 1.0, c.y() + 4.0);
        shape.lineTo(c.x() - 1.0, c.y() + 3.0);
        shape.lineTo(c.x() - 1.0, c.y() + 0.5);
        shape.closeSubpath();
        painter->setPen(Qt::NoPen);
        painter->setBrush(funnel);
        painter->drawPath(shape);
    }
    painter->restore();
}

void TGridHeader::paintEvent(QPaintEvent* event)
{
    QHeaderView::paintEvent(event);
    // The band goes on past the last column, so the header reads as one bar.
    const int end = length() - offset();
    if (end >= viewport()->width())
        return;
    const QColor base = background_.isValid() ? background_ : palette().color(QPalette::Button);
    const bool dark = isDark(base);
    const QRect rest(qMax(0, end), 0, viewport()->width() - qMax(0, end), viewport()->height());
    QPainter painter(viewport());
    QLinearGradient fill(rest.topLeft(), rest.bottomLeft());
    fill.setColorAt(0.0, base.lighter(dark ? 135 : 106));
    fill.setColorAt(0.55, base);
    fill.setColorAt(1.0, base.darker(dark ? 115 : 104));
    painter.fillRect(rest, fill);
    painter.setPen(dark ? base.darker(140) : base.darker(125));
    painter.drawLine(rest.bottomLeft(), rest.bottomRight());
}

void TGridHeader::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        const int logical = logicalIndexAt(event->position().toPoint());
        if (logical >= 0 && filterButtonRect(logical).contains(event->position().toPoint())) {
            event->accept();
            emit filterButtonClicked(logical);
            return;
        }
    }
    QHeaderView::mousePressEvent(event);
}

void TGridHeader::mouseMoveEvent(QMouseEvent* event)
{
    const int logical = logicalIndexAt(event->position().toPoint());
    const bool onButton = logical >= 0 && filterButtonRect(logical).contains(event->position().toPoint());
    if (logical != hoverSection_ || onButton != hoverButton_) {
        hoverSection_ = logical;
        hoverButton_ = onButton;
        viewport()->update();
    }
    QHeaderView::mouseMoveEvent(event);
}

void TGridHeader::leaveEvent(QEvent* event)
{
    if (hoverSection_ != -1) {
        hoverSection_ = -1;
        hoverButton_ = false;
        viewport()->update();
    }
    QHeaderView::leaveEvent(event);
}
