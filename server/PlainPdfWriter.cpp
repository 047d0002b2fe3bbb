#include "PlainPdfWriter.h"

namespace {

QByteArray pdfText(const QString& s)
{
    QString folded;
    for (QChar c : s) {
        switch (c.unicode()) {
        case u'ı': folded += u'i'; break;
        case u'İ': folded += u'I'; break;
        case u'ş': folded += u's'; break;
        case u'Ş': folded += u'S'; break;
        case u'ğ': folded += u'g'; break;
        case u'Ğ': folded += u'G'; break;
        case u'ü': folded += u'u'; break;
        case u'Ü': folded += u'U'; break;
        case u'ö': folded += u'o'; break;
        case u'Ö': folded += u'O'; break;
        case u'ç': folded += u'c'; break;
        case u'Ç': folded += u'C'; break;
        default: folded += c.unicode() < 127 && c.unicode() >= 32 ? c : QChar(u'?');
        }
    }
    QByteArray b = folded.toLatin1();
    b.replace('\\', "\\\\").replace('(', "\\(").replace(')', "\\)");
    return b;
}

} // namespace

QByteArray PlainPdfWriter::write(const QString& title, const QStringList& lines)
{
    QList<QStringList> pages;
    QStringList all = QStringList{title, QString()} + lines;
    for (qsizetype i = 0; i < all.size(); i += 50)
        pages.append(all.mid(i, 50));
    if (pages.isEmpty())
        pages.append(QStringList{title});

    QList<QByteArray> objects; // object n+1 at index n
    objects.append("<< /Type /Catalog /Pages 2 0 R >>");
    objects.append(QByteArray()); // pages, filled below
    objects.append("<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding /WinAnsiEncoding >>");
    QByteArray kids;
    for (const QStringList& page : pages) {
        QByteArray content = "BT /F1 10 Tf 50 800 Td 14 TL\n";
        for (const QString& line : page)
            content += '(' + pdfText(line) + ") Tj T*\n";
        content += "ET";
        objects.append("<< /Length " + QByteArray::number(content.size()) + " >>\nstream\n" + content + "\nendstream");
        const int contentNo = int(objects.size());
        objects.append("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] /Resources << /Font << /F1 3 0 R >> >>"
                       " /Contents " + QByteArray::number(contentNo) + " 0 R >>");
        kids += QByteArray::number(objects.size()) + " 0 R ";
    }
    objects[1] = "<< /Type /Pages /Kids [" + kids + "] /Count " + QByteArray::number(pages.size()) + " >>";
    objects.append("<< /Title (" + pdfText(title) + ") /Producer (Telmira Demo) >>");

    QByteArray out = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n";
    QList<qsizetype> offsets;
    for (qsizetype i = 0; i < objects.size(); ++i) {
        offsets.append(out.size());
        out += QByteArray::number(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
    }
    const qsizetype xref = out.size();
    out += "xref\n0 " + QByteArray::number(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (qsizetype off : offsets)
        out += QByteArray::number(off).rightJustified(10, '0') + " 00000 n \n";
    out += "trailer\n<< /Size " + QByteArray::number(objects.size() + 1) + " /Root 1 0 R /Info "
        + QByteArray::number(objects.size()) + " 0 R >>\nstartxref\n" + QByteArray::number(xref) + "\n%%EOF\n";
    return out;
}
