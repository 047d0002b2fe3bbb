#pragma once
#include <QString>
#include <QStringList>

// Search folding: upper case, Turkish letters to their plain Latin forms (the client folds what
// the user types the same way), anything but letters, digits and blanks dropped.
class SearchText {
public:
    static QString fold(const QString& text);
    // fold() without the blanks too, so "0 986 494 123" is found as "0986494123".
    static QString compact(const QString& text);
    static QStringList words(const QString& text);
};
