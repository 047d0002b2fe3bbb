#pragma once
#include <QFrame>
#include <QStringList>

class QListWidget;
class QListWidgetItem;

// The drop-down list of a header filter button: "(Tümü)" and every different text of the column
// ("(Boş)" for empty cells), each with a check box. Ticking values filters the grid to them at once;
// "(Tümü)", or unticking the last value, clears the column's filter.
class TGridFilterPopup : public QFrame {
    Q_OBJECT
public:
    static const QString kAll;    // "(Tümü)"
    static const QString kBlank;  // "(Boş)"

    TGridFilterPopup(const QStringList& texts, const QStringList& picked, QWidget* parent = nullptr);

    QListWidget* list() const { return list_; }
    QStringList picked() const;
    // Ticks or unticks the item showing text (kAll for "(Tümü)"), as a click would.
    bool setChecked(const QString& text, bool checked);

signals:
    // The texts now picked; empty clears the filter.
    void filterPicked(const QStringList& texts);

private:
    void onItemChanged(QListWidgetItem* item);

    QListWidget* list_ = nullptr;
    bool updating_ = false;
};
