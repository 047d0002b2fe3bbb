#include "SearchText.h"

QString SearchText::fold(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        switch (c.unicode()) {
        case u'ı': case u'i': case u'İ': case u'I': out.append(u'I'); continue;
        case u'ş': case u'Ş': out.append(u'S'); continue;
        case u'ğ': case u'Ğ': out.append(u'G'); continue;
        case u'ü': case u'Ü': out.append(u'U'); continue;
        case u'ö': case u'Ö': out.append(u'O'); continue;
        case u'ç': case u'Ç': out.append(u'C'); continue;
        default: break;
        }
        const QChar u = c.toUpper();
        if ((u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9'))
            out.append(u);
        else if (c.isSpace() || c == u'-' || c == u'/' || c == u'.' || c == u',' || c == u'_')
            out.append(u' ');
        else if (u.isLetter())
            out.append(u.decompositionTag() == QChar::Canonical ? u.decomposition().at(0) : u);
    }
    return out.simplified();
}

QString SearchText::compact(const QString& text)
{
    return fold(text).remove(u' ');
}

QStringList SearchText::words(const QString& text)
{
    return fold(text).split(u' ', Qt::SkipEmptyParts);
}
