#pragma once
#include "TGridSummary.h"

#include <QWidget>

#include <vector>

class TGridView;

// The footer band under a TGridView's rows: each summary is drawn under its column (one line per
// summary when a column has several), right-aligned, and follows the columns when they scroll,
// move or change width. A summary under a hidden column is not shown. Values are recomputed when
// the rows change (load, filter, a changed row).
class TGridFooter : public QWidget {
    Q_OBJECT
public:
    explicit TGridFooter(TGridView* view);

    void addSummary(const TGridSummary& summary);
    void clearSummaries();
    const std::vector<TGridSummary>& summaries() const { return summaries_; }

    // The text under a column (several summaries joined by "\n"), as painted.
    QString text(const QString& columnName) const;
    // Height for the summaries' line count.
    int preferredHeight() const;

    void recompute();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TGridView* view_;
    std::vector<TGridSummary> summaries_;
    std::vector<QString> texts_;  // one per summary
};
