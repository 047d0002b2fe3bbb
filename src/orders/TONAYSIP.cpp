#include "TONAYSIP.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QFont sabitAralikli() {
    // Courier New where it exists; fontconfig maps it to a metric twin (Liberation Mono) otherwise.
    QFont f(QStringLiteral("Courier New"));
    f.setStyleHint(QFont::TypeWriter);
    f.setFixedPitch(true);
    f.setPixelSize(16);
    f.setBold(true);
    return f;
}
} // namespace

TONAYSIP::TONAYSIP(QWidget* sahip) : QDialog(sahip, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("ONAYSIP"));
    setWindowTitle(QStringLiteral("Sipariş Onay"));
    setModal(true);

    Label2_ = new QLabel(this);
    Label2_->setObjectName(QStringLiteral("Label2"));
    Label2_->setFont(sabitAralikli());
    Label2_->setTextFormat(Qt::PlainText);
    Label2_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label2_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);

    Label3_ = new QLabel(this);
    Label3_->setObjectName(QStringLiteral("Label3"));
    Label3_->setTextFormat(Qt::PlainText);
    Label3_->setWordWrap(true);
    // A style sheet of its own so that the application's style cannot repaint the warning.
    Label3_->setStyleSheet(QStringLiteral("QLabel#Label3 { color: red; font-family: \"Courier New\"; font-size: 16px;"
                                          " font-weight: bold; }"));
    Label3_->setFont(sabitAralikli());

    Label1_ = new QLabel(QStringLiteral("Yukarıda bilgileri verilen siparişi onaylıyor musunuz ?"), this);
    Label1_->setObjectName(QStringLiteral("Label1"));
    QFont soru = Label1_->font();
    soru.setPixelSize(20);
    soru.setBold(true);
    Label1_->setFont(soru);
    Label1_->setAlignment(Qt::AlignCenter);
    Label1_->setWordWrap(true);

    Button1_ = new QPushButton(QStringLiteral("Evet"), this);
    Button1_->setObjectName(QStringLiteral("Button1"));
    Button2_ = new QPushButton(QStringLiteral("Hayır"), this);
    Button2_->setObjectName(QStringLiteral("Button2"));
    for (QPushButton* b : {Button1_, Button2_}) {
        b->setMinimumSize(140, 40);
        b->setAutoDefault(false);
    }
    connect(Button1_, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button2_, &QPushButton::clicked, this, &QDialog::reject);

    auto* dugmeler = new QHBoxLayout;
    dugmeler->addStretch(1);
    dugmeler->addWidget(Button1_);
    dugmeler->addSpacing(40);
    dugmeler->addWidget(Button2_);
    dugmeler->addStretch(1);

    auto* dikey = new QVBoxLayout(this);
    dikey->setContentsMargins(16, 16, 16, 16);
    dikey->setSpacing(12);
    dikey->addWidget(Label2_, 1);
    dikey->addWidget(Label3_);
    dikey->addWidget(Label1_);
    dikey->addLayout(dugmeler);
    dikey->setSizeConstraint(QLayout::SetFixedSize);
}

void TONAYSIP::OzetYaz(const QString& ozet) {
    ozet_ = ozet;
    // A label breaks lines at "\n"; a carriage return would show as a stray glyph.
    QString gosterilen = ozet;
    gosterilen.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    Label2_->setText(gosterilen);
}
