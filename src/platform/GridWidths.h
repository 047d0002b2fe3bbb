#pragma once
#include <vector>

// The weighted column width rule of the grids: every visible column gets
// weight × trunc((grid width − 30) ÷ sum of the visible weights), the quotient taken in floating
// point and truncated toward zero before the multiplication. Hidden columns keep their width.
namespace GridWidths {

inline constexpr int kMargin = 30;

struct Column {
    int weight = 0;
    bool visible = true;
    int width = 0;  // the current width, kept when the rule does not apply
};

// The unit width, or -1 when the visible weights sum to 0 or less (the rule then leaves every width
// as it is). A grid narrower than the margin gives 0, never a negative width.
int unit(int gridWidth, const std::vector<Column>& columns);

// The new width of every column, in the order given.
std::vector<int> weighted(int gridWidth, const std::vector<Column>& columns);

} // namespace GridWidths
