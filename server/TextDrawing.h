#pragma once

// Drawing text needs fonts, and fonts need a QGuiApplication; without one, pictures and
// documents are made without their text instead of aborting the process.
class TextDrawing {
public:
    static bool available();
};
