#include "TRadioGroup.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

TRadioGroup::TRadioGroup(const QString& baslik, QWidget* ebeveyn)
    : QGroupBox(baslik, ebeveyn), yerlesim_(new QVBoxLayout(this)), grup_(new QButtonGroup(this)) {
    yerlesim_->setContentsMargins(8, 4, 8, 4);
    yerlesim_->setSpacing(2);
    yerlesim_->addStretch(1);
    grup_->setExclusive(true);
    connect(grup_, &QButtonGroup::buttonClicked, this, [this] { emit Clicked(); });
}

void TRadioGroup::Clear() {
    for (QRadioButton* d : dugmeler_) {
        grup_->removeButton(d);
        delete d;
    }
    dugmeler_.clear();
    nesneler_.clear();
}

void TRadioGroup::Add(const QString& metin, const QVariant& nesne) {
    auto* d = new QRadioButton(metin, this);
    d->setObjectName(objectName() + QString::number(dugmeler_.size()));
    yerlesim_->insertWidget(yerlesim_->count() - 1, d);
    grup_->addButton(d, static_cast<int>(dugmeler_.size()));
    dugmeler_.append(d);
    nesneler_.append(nesne);
}

QString TRadioGroup::Item(int i) const {
    const QRadioButton* d = dugmeler_.value(i);
    return d ? d->text() : QString();
}

int TRadioGroup::ItemIndex() const {
    for (int i = 0; i < dugmeler_.size(); ++i)
        if (dugmeler_[i]->isChecked())
            return i;
    return -1;
}

void TRadioGroup::SetItemIndex(int i) {
    if (i >= 0 && i < dugmeler_.size()) {
        dugmeler_[i]->setChecked(true);
        return;
    }
    // An exclusive group never unchecks its last button by itself.
    grup_->setExclusive(false);
    for (QRadioButton* d : dugmeler_)
        d->setChecked(false);
    grup_->setExclusive(true);
}
