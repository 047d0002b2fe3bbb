#include "SearchText.h"

QString SearchText::fold(const QString& text)
{
    QString out(text.size(), Qt::Uninitialized);
    QChar* o = out.data();
    bool space = true; // drops leading blanks and runs of blanks
    auto put = [&](char16_t c) {
        if (c == u' ') {
            if (space)
                return;
            space = true;
        } else {
            space = false;
        }
        *o++ = QChar(c);
    };
    for (QChar qc : text) {
        const char16_t c = qc.unicode();
        if (c < 128) {
            if (c >= u'a' && c <= u'z')
                put(char16_t(c - 32));
            else if ((c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9'))
                put(c);
            else if (c == u' ' || c == u'-' || c == u'/' || c == u'.' || c == u',' || c == u'_' || c == u'\t')
                put(u' ');
            continue;
        }
        switch (c) {
        case u'ı': case u'İ': put(u'I'); continue;
        case u'ş': case u'Ş': put(u'S'); continue;
        case u'ğ': case u'Ğ': put(u'G'); continue;
        case u'ü': case u'Ü': put(u'U'); continue;
        case u'ö': case u'Ö': put(u'O'); continue;
        case u'ç': case u'Ç': put(u'C'); continue;
        default: break;
        }
        if (qc.isSpace()) {
            put(u' ');
        } else if (qc.isLetter()) {
            // Other accented Latin letters lose their accent; anything else stays as it is.
            const QString d = qc.toUpper().decomposition();
            put(d.isEmpty() ? qc.toUpper().unicode() : d.at(0).unicode());
        }
    }
    if (o != out.data() && *(o - 1) == u' ')
        --o;
    out.truncate(o - out.data());
    return out;
}

QString SearchText::compact(const QString& text)
{
    return fold(text).remove(u' ');
}

QStringList SearchText::words(const QString& text)
{
    return fold(text).split(u' ', Qt::SkipEmptyParts);
}
