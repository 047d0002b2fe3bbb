#pragma once
#include <QString>
#include <stdexcept>

// The ordinary error kind of the program: every error raised on purpose derives from it, and the
// general error display shows text() in the standard error message box.
class EHata : public std::runtime_error {
public:
    explicit EHata(const QString& text) : std::runtime_error(text.toStdString()), text_(text) {}
    const QString& text() const noexcept { return text_; }

private:
    QString text_;
};

// A fault of the client table (unknown field, columns that do not fit, edit outside edit state).
class EDatabaseError : public EHata {
    using EHata::EHata;
};
