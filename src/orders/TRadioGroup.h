#pragma once
#include <QGroupBox>
#include <QList>
#include <QVariant>

class QButtonGroup;
class QRadioButton;
class QVBoxLayout;

// A titled group of radio buttons filled at run time, one entry per item; each entry carries an
// object (here the id the server gave the choice). ItemIndex is -1 while nothing is chosen;
// Clear also clears the choice. Clicked() follows a click of the user (not SetItemIndex).
class TRadioGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit TRadioGroup(const QString& baslik, QWidget* ebeveyn = nullptr);

    void Clear();
    void Add(const QString& metin, const QVariant& nesne);
    int Count() const { return static_cast<int>(dugmeler_.size()); }
    QString Item(int i) const;
    QVariant Nesne(int i) const { return nesneler_.value(i); }
    int ItemIndex() const;
    void SetItemIndex(int i);  // -1 clears the choice
    QRadioButton* Dugme(int i) const { return dugmeler_.value(i); }

signals:
    void Clicked();

private:
    QVBoxLayout* yerlesim_;
    QButtonGroup* grup_;
    QList<QRadioButton*> dugmeler_;
    QList<QVariant> nesneler_;
};
