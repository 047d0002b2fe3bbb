#pragma once
#include <QByteArray>
#include <QStringList>

// A one-font PDF of plain text lines (Helvetica, pages of 50 lines), for when no
// QGuiApplication exists to lay out a QTextDocument. Turkish letters are folded to ASCII.
class PlainPdfWriter {
public:
    static QByteArray write(const QString& title, const QStringList& lines);
};
