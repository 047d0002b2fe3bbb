#include "TGridFilterPopup.h"

#include <QListWidget>
#include <QVBoxLayout>

const QString TGridFilterPopup::kAll = QStringLiteral("(Tümü)");
const QString TGridFilterPopup::kBlank = QStringLiteral("(Boş)");

namespace {
constexpr int kTextRole = Qt::UserRole;
constexpr int kAllRole = Qt::UserRole + 1;
} // namespace

TGridFilterPopup::TGridFilterPopup(const QStringList& texts, const QStringList& picked, QWidget* parent)
    : QFrame(parent, Qt::Popup)
{
    setObjectName(QStringLiteral("gridFilterPopup"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFrameShape(QFrame::StyledPanel);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("gridFilterList"));
    list_->setFrameShape(QFrame::NoFrame);
    list_->setUniformItemSizes(true);
    layout->addWidget(list_);

    updating_ = true;
    auto* all = new QListWidgetItem(kAll, list_);
    all->setData(kAllRole, true);
    all->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    all->setCheckState(picked.isEmpty() ? Qt::Checked : Qt::Unchecked);
    QFont bold = all->font();
    bold.setBold(true);
    all->setFont(bold);
    for (const QString& t : texts) {
        auto* item = new QListWidgetItem(t.isEmpty() ? kBlank : t, list_);
        item->setData(kTextRole, t);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(picked.contains(t) ? Qt::Checked : Qt::Unchecked);
    }
    updating_ = false;
    connect(list_, &QListWidget::itemChanged, this, &TGridFilterPopup::onItemChanged);

    const int rows = qMin(static_cast<int>(texts.size()) + 1, 14);
    const int width = qBound(160, list_->sizeHintForColumn(0) + 40, 420);
    resize(width, rows * qMax(list_->sizeHintForRow(0), 18) + 8);
}

QStringList TGridFilterPopup::picked() const
{
    QStringList out;
    for (int i = 1; i < list_->count(); ++i)
        if (list_->item(i)->checkState() == Qt::Checked)
            out << list_->item(i)->data(kTextRole).toString();
    return out;
}

bool TGridFilterPopup::setChecked(const QString& text, bool checked)
{
    for (int i = 0; i < list_->count(); ++i) {
        QListWidgetItem* item = list_->item(i);
        const bool match = item->data(kAllRole).toBool() ? text == kAll : item->data(kTextRole).toString() == text;
        if (match) {
            item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
            return true;
        }
    }
    return false;
}

void TGridFilterPopup::onItemChanged(QListWidgetItem* item)
{
    if (updating_)
        return;
    updating_ = true;
    QListWidgetItem* all = list_->item(0);
    if (item == all) {
        // "(Tümü)" always means "no filter"; unticking it alone changes nothing.
        all->setCheckState(Qt::Checked);
        for (int i = 1; i < list_->count(); ++i)
            list_->item(i)->setCheckState(Qt::Unchecked);
    } else {
        all->setCheckState(picked().isEmpty() ? Qt::Checked : Qt::Unchecked);
    }
    updating_ = false;
    emit filterPicked(picked());
}
