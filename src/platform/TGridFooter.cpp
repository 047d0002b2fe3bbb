#include "TGridFooter.h"

#include "TGridColumn.h"
#include "TGridFilterProxy.h"
#include "TGridView.h"

#include <QHeaderView>
#include <QLinearGradient>
#include <QPainter>

#include <map>

TGridFooter::TGridFooter(TGridView* view) : QWidget(view), view_(view)
{
    setObjectName(QStringLiteral("gridFooter"));
    setAutoFillBackground(false);
}

void TGridFooter::addSummary(const TGridSummary& summary)
{
    summaries_.push_back(summary);
    recompute();
}

void TGridFooter::clearSummaries()
{
    summaries_.clear();
    texts_.clear();
    update();
}

void TGridFooter::recompute()
{
    texts_.clear();
    for (const TGridSummary& s : summaries_)
        texts_.push_back(view_->proxy()->summaryText(s));
    update();
}

QString TGridFooter::text(const QString& columnName) const
{
    QStringList lines;
    for (std::size_t i = 0; i < summaries_.size() && i < texts_.size(); ++i)
        if (summaries_[i].column.compare(columnName, Qt::CaseInsensitive) == 0)
            lines << texts_[i];
    return lines.join(QLatin1Char('\n'));
}

int TGridFooter::preferredHeight() const
{
    std::map<QString, int> perColumn;
    int lines = 1;
    for (const TGridSummary& s : summaries_)
        lines = qMax(lines, ++perColumn[s.column.toLower()]);
    return lines * fontMetrics().height() + 10;
}

void TGridFooter::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QColor base = view_->footerColor();
    QLinearGradient fill(0, 0, 0, height());
    fill.setColorAt(0, base.lighter(103));
    fill.setColorAt(1, base.darker(103));
    p.fillRect(rect(), fill);
    p.setPen(view_->gridLineColor().darker(115));
    p.drawLine(0, 0, width(), 0);

    const QHeaderView* header = view_->horizontalHeader();
    TGridFilterProxy* proxy = view_->proxy();
    QFont f = font();
    f.setBold(true);
    p.setFont(f);
    p.setPen(palette().color(QPalette::Text));
    // Columns keyed by name so that several summaries under one column stack.
    for (int logical = 0; logical < header->count(); ++logical) {
        if (header->isSectionHidden(logical))
            continue;
        const TGridColumn* column = proxy->column(logical);
        if (!column)
            continue;
        const QString t = text(column->name());
        if (t.isEmpty())
            continue;
        // The footer sits exactly under the viewport, so header viewport positions apply.
        const int x = header->sectionViewportPosition(logical);
        const QRect cell(x, 1, header->sectionSize(logical), height() - 1);
        QRect box = cell.adjusted(3, 3, -3, -3);
        QColor frame = view_->gridLineColor().darker(108);
        p.setPen(frame);
        p.setBrush(palette().color(QPalette::Base));
        p.setRenderHint(QPainter::Antialiasing, true);
        p.drawRoundedRect(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(palette().color(QPalette::Text));
        p.drawText(box.adjusted(4, 0, -5, 0), Qt::AlignRight | Qt::AlignVCenter, t);
    }
}
