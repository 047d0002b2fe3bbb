#pragma once
#include <QLineEdit>

// A numeric edit for an amount: shows its value as "#,###,##0.00" with the locale's separators and,
// when editable, reads what the user types (grouping optional). Read-only unless told otherwise.
class TParaAlani : public QLineEdit {
    Q_OBJECT
public:
    explicit TParaAlani(QWidget* ebeveyn = nullptr);

    // The value shown; after typing, the typed value (0 when the text is no number).
    double Deger() const;
    void DegerYaz(double deger);
};
