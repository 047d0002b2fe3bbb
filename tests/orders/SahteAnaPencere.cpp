#include "SahteAnaPencere.h"

#include "TClientDataSet.h"

#include <QLineEdit>
#include <QVBoxLayout>

SahteAnaPencere::SahteAnaPencere() {
    for (int i = 0; i < kAnaTabloSayisi; ++i) {
        tablolar_[static_cast<std::size_t>(i)] = new TClientDataSet(this);
        tablolar_[static_cast<std::size_t>(i)]->setObjectName(AnaTabloAdi(static_cast<AnaTablo>(i)));
    }
    for (int i = 0; i < kSayfaSayisi; ++i)
        basliklar_[static_cast<std::size_t>(i)] = SayfaBasligi(static_cast<Sayfa>(i));
    yerlesim_ = new QVBoxLayout(this);
    yerlesim_->setContentsMargins(0, 0, 0, 0);
    araedit_ = new QLineEdit(this);
    araedit_->setObjectName(QStringLiteral("araedit"));
    yerlesim_->addWidget(araedit_);
}

SahteAnaPencere::~SahteAnaPencere() {
    // Pages go first: they still reach the tables while they are destroyed.
    const QObjectList cocuklar = children();
    for (QObject* c : cocuklar)
        if (c->isWidgetType() && c != araedit_)
            delete c;
}

void SahteAnaPencere::SayfaKoy(QWidget* sayfa) { yerlesim_->addWidget(sayfa, 1); }
