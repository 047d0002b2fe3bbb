#pragma once
#include <QColor>
#include <QFont>

// What a custom cell painter is told about the cell besides its rectangle and record: the grid has
// already filled the background (selection, even or odd row colour) and drawn the grid lines.
struct TGridCellState {
    int viewRow = -1;
    bool selected = false;
    bool focused = false;  // the row has the keyboard focus
    QColor background;
    QColor text;
    QFont font;
};
