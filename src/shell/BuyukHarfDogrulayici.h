#pragma once
#include <QValidator>

// Makes an edit take its input in upper case, with the letters of the user's locale (Turkish "i"
// becomes "İ"). Text set by the program stays as it is.
class BuyukHarfDogrulayici : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& girdi, int& konum) const override;
};
