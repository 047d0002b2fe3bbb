#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

// PDF documents from simple HTML, laid out by QTextDocument on an A4 QPdfWriter; the plain
// lines are used instead when there is no QGuiApplication (no fonts).
class PdfFactory {
public:
    static QByteArray fromHtml(const QString& title, const QString& html, const QStringList& plainLines);
    static QString escape(const QString& text); // for text put into the HTML
};
