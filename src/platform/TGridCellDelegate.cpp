#include "TGridCellDelegate.h"

#include "TGridColumn.h"
#include "TGridFilterProxy.h"
#include "TGridView.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int kTextPad = 5;

Qt::Alignment horizontal(Qt::Alignment a)
{
    return a & Qt::AlignHorizontal_Mask;
}

} // namespace

TGridCellDelegate::TGridCellDelegate(TGridView* view) : QAbstractItemDelegate(view), view_(view) {}

void TGridCellDelegate::setPressed(int row, int column)
{
    pressedRow_ = row;
    pressedColumn_ = column;
}

QRect TGridCellDelegate::buttonRect(const QRect& cell)
{
    const int h = qMin(cell.height() - 8, 30);
    return QRect(cell.left() + 4, cell.center().y() - h / 2, cell.width() - 9, h);
}

QRect TGridCellDelegate::checkRect(const QRect& cell)
{
    const int s = qMin(16, cell.height() - 4);
    return QRect(cell.center().x() - s / 2, cell.center().y() - s / 2, s, s);
}

QSize TGridCellDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const
{
    return QSize(option.rect.width(), view_->rowHeight());
}

void TGridCellDelegate::paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const TGridFilterProxy* proxy = view_->proxy();
    const int row = index.row();
    const int col = index.column();
    const QRect cell = option.rect;
    const bool selected = option.state & QStyle::State_Selected;
    const TGridFilterProxy::RowKind kind = proxy->rowKind(row);
    const QColor line = view_->gridLineColor();

    if (kind == TGridFilterProxy::RowKind::GroupHeader) {
        p->fillRect(cell, selected ? view_->selectionColor() : view_->groupRowColor());
        p->setPen(line.darker(110));
        p->drawLine(cell.bottomLeft(), cell.bottomRight());
        return;  // the caption spans the row; the view draws it
    }
    if (kind == TGridFilterProxy::RowKind::GroupFooter) {
        p->fillRect(cell, view_->footerColor());
        p->setPen(line);
        p->drawLine(cell.bottomLeft(), cell.bottomRight());
        const QString t = proxy->groupFooterText(proxy->groupAt(row), col);
        if (!t.isEmpty()) {
            QFont f = view_->font();
            f.setBold(true);
            p->setFont(f);
            p->setPen(view_->palette().color(QPalette::Text));
            p->drawText(cell.adjusted(kTextPad, 0, -kTextPad - 1, -1), Qt::AlignRight | Qt::AlignVCenter, t);
        }
        return;
    }

    const QColor background = view_->rowBackground(row, selected);
    p->fillRect(cell, background);
    p->setPen(line);
    p->drawLine(cell.topRight(), cell.bottomRight());
    p->drawLine(cell.bottomLeft(), cell.bottomRight());

    const TGridColumn* column = proxy->column(col);
    const int record = proxy->recordAt(row);
    if (!column || record < 0)
        return;
    const QRect r = cell.adjusted(0, 0, -1, -1);
    const QColor text = selected ? view_->selectionTextColor() : view_->palette().color(QPalette::Text);
    QFont font = view_->font();
    if (selected && view_->selectionBold())
        font.setBold(true);
    p->setFont(font);
    p->setPen(text);

    switch (column->kind()) {
    case TGridColumn::Kind::Text:
        paintText(p, r, proxy->text(record, col), *column);
        break;
    case TGridColumn::Kind::Icon:
        paintIcon(p, r, proxy->value(record, col), *column, text);
        break;
    case TGridColumn::Kind::CheckBox:
        paintCheck(p, r, proxy->value(record, col).toInt() == 1, selected);
        break;
    case TGridColumn::Kind::Progress:
        paintProgress(p, r, proxy->value(record, col), *column);
        break;
    case TGridColumn::Kind::Button:
        paintButton(p, r, *column, row == pressedRow_ && col == pressedColumn_);
        break;
    case TGridColumn::Kind::Custom:
        if (column->painter()) {
            TGridCellState state;
            state.viewRow = row;
            state.selected = selected;
            state.focused = view_->currentIndex().row() == row;
            state.background = background;
            state.text = text;
            state.font = font;
            p->save();
            p->setClipRect(r);
            column->painter()(*p, r, record, state);
            p->restore();
        } else {
            paintText(p, r, proxy->text(record, col), *column);
        }
        break;
    }
}

void TGridCellDelegate::paintText(QPainter* p, const QRect& r, const QString& text, const TGridColumn& column) const
{
    if (text.isEmpty())
        return;
    const QRect box = r.adjusted(kTextPad, 2, -kTextPad, -2);
    int flags = static_cast<int>(column.alignment());
    if (column.wrapText()) {
        p->drawText(box, flags | Qt::TextWordWrap, text);
        return;
    }
    const QFontMetrics fm(p->font());
    if (fm.horizontalAdvance(text) > box.width())
        p->drawText(box, flags, fm.elidedText(text, Qt::ElideRight, box.width()));
    else
        p->drawText(box, flags, text);
}

void TGridCellDelegate::paintIcon(QPainter* p, const QRect& r, const QVariant& value, const TGridColumn& column,
                                  const QColor& text) const
{
    const TGridColumn::IconItem* item = column.iconFor(value);
    if (!item)
        return;
    QSize size = column.iconSize();
    const int room = qMax(0, r.height() - 4);
    if (size.height() > room)
        size.scale(room, room, Qt::KeepAspectRatio);
    QRect area = r.adjusted(3, 0, -3, 0);
    if (column.showsIconText() && !item->description.isEmpty()) {
        const QRect iconRect(area.left(), r.center().y() - size.height() / 2, size.width(), size.height());
        item->icon.paint(p, iconRect);
        p->setPen(text);
        p->drawText(area.adjusted(size.width() + 4, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, item->description);
        return;
    }
    const Qt::Alignment h = horizontal(column.alignment());
    int x = area.center().x() - size.width() / 2;
    if (h == Qt::AlignLeft)
        x = area.left();
    else if (h == Qt::AlignRight)
        x = area.right() - size.width() + 1;
    item->icon.paint(p, QRect(x, r.center().y() - size.height() / 2, size.width(), size.height()));
}

void TGridCellDelegate::paintCheck(QPainter* p, const QRect& r, bool checked, bool selected) const
{
    const QRectF box = QRectF(checkRect(r)).adjusted(0.5, 0.5, -0.5, -0.5);
    const QPalette& pal = view_->palette();
    p->setRenderHint(QPainter::Antialiasing, true);
    if (checked) {
        const QColor accent = pal.color(QPalette::Highlight);
        p->setPen(accent.darker(115));
        p->setBrush(accent);
        p->drawRoundedRect(box, 3, 3);
        QPainterPath tick;
        tick.moveTo(box.left() + box.width() * 0.22, box.top() + box.height() * 0.52);
        tick.lineTo(box.left() + box.width() * 0.42, box.top() + box.height() * 0.72);
        tick.lineTo(box.left() + box.width() * 0.78, box.top() + box.height() * 0.30);
        QPen pen(pal.color(QPalette::HighlightedText), qMax(1.6, box.width() / 8.0), Qt::SolidLine, Qt::RoundCap,
                 Qt::RoundJoin);
        p->setPen(pen);
        p->setBrush(Qt::NoBrush);
        p->drawPath(tick);
    } else {
        p->setPen(selected ? pal.color(QPalette::Highlight) : pal.color(QPalette::Mid));
        p->setBrush(pal.color(QPalette::Base));
        p->drawRoundedRect(box, 3, 3);
    }
    p->setRenderHint(QPainter::Antialiasing, false);
}

void TGridCellDelegate::paintProgress(QPainter* p, const QRect& r, const QVariant& value, const TGridColumn& column) const
{
    const int lo = column.progressMinimum();
    const int hi = column.progressMaximum();
    const double v = qBound(double(lo), value.toDouble(), double(hi));
    const double fraction = hi > lo ? (v - lo) / (hi - lo) : 0.0;
    const int h = qMin(16, r.height() - 6);
    const QRectF bar(r.left() + 6.5, r.center().y() - h / 2 + 0.5, r.width() - 13, h - 1);
    if (bar.width() < 4)
        return;
    const QPalette& pal = view_->palette();
    p->setRenderHint(QPainter::Antialiasing, true);
    p->setPen(pal.color(QPalette::Mid));
    p->setBrush(pal.color(QPalette::Base).darker(104));
    p->drawRoundedRect(bar, h / 2.0 - 1, h / 2.0 - 1);
    if (fraction > 0) {
        QRectF done = bar.adjusted(1, 1, -1, -1);
        done.setWidth(qMax(done.height(), done.width() * fraction));
        const QColor accent = pal.color(QPalette::Highlight);
        QLinearGradient g(done.topLeft(), done.bottomLeft());
        g.setColorAt(0, accent.lighter(125));
        g.setColorAt(1, accent);
        p->setPen(Qt::NoPen);
        p->setBrush(g);
        p->drawRoundedRect(done, done.height() / 2.0, done.height() / 2.0);
    }
    p->setRenderHint(QPainter::Antialiasing, false);
    QFont f = p->font();
    f.setPointSizeF(qMax(6.0, f.pointSizeF() - 1));
    f.setBold(true);
    p->setFont(f);
    p->setPen(fraction > 0.45 ? pal.color(QPalette::HighlightedText) : pal.color(QPalette::Text));
    p->drawText(bar, Qt::AlignCenter, QStringLiteral("%1%").arg(qRound(fraction * 100)));
}

void TGridCellDelegate::paintButton(QPainter* p, const QRect& r, const TGridColumn& column, bool pressed) const
{
    const QRectF b = QRectF(buttonRect(r)).adjusted(0.5, 0.5, -0.5, -0.5);
    if (b.width() < 6 || b.height() < 6)
        return;
    const QPalette& pal = view_->palette();
    const QColor base = pal.color(QPalette::Button);
    QLinearGradient g(b.topLeft(), b.bottomLeft());
    g.setColorAt(0, pressed ? base.darker(112) : base.lighter(106));
    g.setColorAt(1, pressed ? base.darker(104) : base.darker(106));
    p->setRenderHint(QPainter::Antialiasing, true);
    p->setPen(pal.color(QPalette::Mid));
    p->setBrush(g);
    p->drawRoundedRect(b, 4, 4);
    p->setRenderHint(QPainter::Antialiasing, false);

    const QIcon icon = column.buttonIcon();
    const QString text = column.buttonText();
    const int iconSide = icon.isNull() ? 0 : qMin(20, int(b.height()) - 6);
    const QFontMetrics fm(p->font());
    const int textWidth = text.isEmpty() ? 0 : fm.horizontalAdvance(text);
    const int total = iconSide + (iconSide && textWidth ? 5 : 0) + textWidth;
    int x = int(b.center().x()) - total / 2;
    if (iconSide) {
        icon.paint(p, QRect(x, int(b.center().y()) - iconSide / 2, iconSide, iconSide));
        x += iconSide + 5;
    }
    if (textWidth) {
        p->setPen(pal.color(QPalette::ButtonText));
        p->drawText(QRect(x, int(b.top()), textWidth + 2, int(b.height())), Qt::AlignLeft | Qt::AlignVCenter, text);
    }
}
