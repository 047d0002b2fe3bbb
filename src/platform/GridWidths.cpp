#include "GridWidths.h"

#include <cmath>

namespace GridWidths {

int unit(int gridWidth, const std::vector<Column>& columns)
{
    long long sum = 0;
    for (const Column& c : columns)
        if (c.visible)
            sum += c.weight;
    if (sum <= 0)
        return -1;
    const double quotient = std::trunc(static_cast<double>(gridWidth - kMargin) / static_cast<double>(sum));
    return quotient > 0 ? static_cast<int>(quotient) : 0;
}

std::vector<int> weighted(int gridWidth, const std::vector<Column>& columns)
{
    std::vector<int> widths;
    widths.reserve(columns.size());
    const int u = unit(gridWidth, columns);
    for (const Column& c : columns)
        widths.push_back(u >= 0 && c.visible ? (c.weight > 0 ? c.weight * u : 0) : c.width);
    return widths;
}

} // namespace GridWidths
