#include "PdfFactory.h"
#include "PlainPdfWriter.h"
#include "TextDrawing.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPdfWriter>
#include <QTextDocument>

QString PdfFactory::escape(const QString& text)
{
    return text.toHtmlEscaped();
}

QByteArray PdfFactory::fromHtml(const QString& title, const QString& html, const QStringList& plainLines)
{
    if (!TextDrawing::available())
        return PlainPdfWriter::write(title, plainLines);
    QByteArray out;
    {
        QBuffer buffer(&out);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        writer.setResolution(150);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Telmira Otomotiv B2B"));
        QTextDocument doc;
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPointSizeF(9);
        doc.setDefaultFont(font);
        doc.setDefaultStyleSheet(QStringLiteral(
            "h1{font-size:16pt;color:#8b1a1a;} h2{font-size:12pt;} table{border-collapse:collapse;}"
            " th{background:#8b1a1a;color:white;padding:3px;} td{padding:3px;border-bottom:1px solid #ccc;}"
            " .r{text-align:right;} .muted{color:#666;}"));
        doc.setHtml(html);
        doc.print(&writer);
    }
    return out;
}
