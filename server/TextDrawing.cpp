#include "TextDrawing.h"

#include <QGuiApplication>

bool TextDrawing::available()
{
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
}
