#include "Tstokayarinti.h"

#include "KatalogKurallari.h"
#include "TParaAlani.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {
QLabel* etiket(QWidget* ebeveyn, const char* ad, const QString& metin = QString(), bool kalin = false) {
    auto* l = new QLabel(metin, ebeveyn);
    l->setObjectName(QString::fromLatin1(ad));
    if (kalin) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    return l;
}
} // namespace

Tstokayarinti::Tstokayarinti(QWidget* ebeveyn) : QDialog(ebeveyn) {
    setObjectName(QStringLiteral("stokayarinti"));
    setWindowTitle(QStringLiteral("Sepete Ekle"));
    resize(550, 631);
    auto* dikey = new QVBoxLayout(this);
    dikey->setContentsMargins(0, 0, 0, 0);
    dikey->setSpacing(0);

    auto* Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setAutoFillBackground(true);
    QPalette p1 = Panel1->palette();
    p1.setColor(QPalette::Window, QColor(0xEE, 0xF2, 0xFA));
    Panel1->setPalette(p1);
    auto* ust = new QFormLayout(Panel1);
    ust->setContentsMargins(16, 10, 16, 10);
    ust->setHorizontalSpacing(12);
    ust->setVerticalSpacing(4);
    barkod = etiket(Panel1, "barkod", {}, true);
    adi = etiket(Panel1, "adi", {}, true);
    adi->setWordWrap(true);
    finishkod = etiket(Panel1, "finishkod", {}, true);
    marka = etiket(Panel1, "marka", {}, true);
    model = etiket(Panel1, "model", {}, true);
    ust->addRow(etiket(Panel1, "Label4", QStringLiteral("Barkod:")), barkod);
    ust->addRow(etiket(Panel1, "Label5", QStringLiteral("Açıklama:")), adi);
    ust->addRow(etiket(Panel1, "Label6", QStringLiteral("Finish Kod:")), finishkod);
    ust->addRow(etiket(Panel1, "Label7", QStringLiteral("Marka:")), marka);
    ust->addRow(etiket(Panel1, "Label8", QStringLiteral("Model:")), model);
    dikey->addWidget(Panel1);

    Image1 = etiket(this, "Image1");
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setMinimumSize(200, 200);
    Image1->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    Image1->setStyleSheet(QStringLiteral("background: white;"));
    Image1->setPixmap(YerTutucuResim());
    dikey->addWidget(Image1, 1);

    auto* alt = new QWidget(this);
    auto* altYatay = new QHBoxLayout(alt);
    altYatay->setContentsMargins(16, 10, 16, 12);
    auto* Panel2 = new QWidget(alt);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    auto* izgara = new QGridLayout(Panel2);
    izgara->setContentsMargins(0, 0, 0, 0);
    izgara->setHorizontalSpacing(10);
    izgara->setVerticalSpacing(6);
    Label1 = etiket(Panel2, "Label1", QStringLiteral("Adet:"), true);
    adet = new QSpinBox(Panel2);
    adet->setObjectName(QStringLiteral("adet"));
    adet->setRange(1, 10000);
    adet->setValue(1);
    adet->setAlignment(Qt::AlignRight);
    adet->setKeyboardTracking(true);
    Label2 = etiket(Panel2, "Label2", QStringLiteral("Fiyat:"));
    birimfiyat = new TParaAlani(Panel2);
    birimfiyat->setObjectName(QStringLiteral("birimfiyat"));
    indirimoran = etiket(Panel2, "indirimoran", QStringLiteral("İndirim:"));
    indtutar = new TParaAlani(Panel2);
    indtutar->setObjectName(QStringLiteral("indtutar"));
    Label3 = etiket(Panel2, "Label3", QStringLiteral("KDV Dahil:"));
    kdvdahiltutar = new TParaAlani(Panel2);
    kdvdahiltutar->setObjectName(QStringLiteral("kdvdahiltutar"));
    sLabel6 = etiket(Panel2, "sLabel6", QStringLiteral("Tutar:"), true);
    geneltutar = new TParaAlani(Panel2);
    geneltutar->setObjectName(QStringLiteral("geneltutar"));
    QFont kalin = geneltutar->font();
    kalin.setBold(true);
    geneltutar->setFont(kalin);
    const std::pair<QLabel*, QWidget*> satirlar[] = {
        {Label1, adet}, {Label2, birimfiyat}, {indirimoran, indtutar}, {Label3, kdvdahiltutar}, {sLabel6, geneltutar}};
    int r = 0;
    for (const auto& [l, w] : satirlar) {
        w->setMinimumWidth(170);
        izgara->addWidget(l, r, 0);
        izgara->addWidget(w, r, 1);
        ++r;
    }
    altYatay->addWidget(Panel2, 1);

    auto* Panel3 = new QWidget(alt);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    auto* tuslar = new QVBoxLayout(Panel3);
    tuslar->setContentsMargins(16, 0, 0, 0);
    ParcaliTus1 = new QPushButton(QStringLiteral("Sipariş ekle"), Panel3);
    ParcaliTus1->setObjectName(QStringLiteral("ParcaliTus1"));
    ParcaliTus2 = new QPushButton(QStringLiteral("Vazgeç"), Panel3);
    ParcaliTus2->setObjectName(QStringLiteral("ParcaliTus2"));
    for (QPushButton* b : {ParcaliTus1, ParcaliTus2}) {
        b->setAutoDefault(false);
        b->setDefault(false);
        b->setMinimumSize(140, 44);
        tuslar->addWidget(b);
    }
    tuslar->addStretch(1);
    altYatay->addWidget(Panel3);
    dikey->addWidget(alt);

    connect(ParcaliTus1, &QPushButton::clicked, this, &QDialog::accept);
    connect(ParcaliTus2, &QPushButton::clicked, this, &QDialog::reject);
    connect(adet, &QSpinBox::textChanged, this, &Tstokayarinti::adetChange);
    adet->installEventFilter(this);
    for (TParaAlani* a : {birimfiyat, indtutar, kdvdahiltutar, geneltutar})
        a->installEventFilter(this);
    adet->setFocus();
}

QPixmap Tstokayarinti::YerTutucuResim() {
    QPixmap pm(240, 180);
    pm.fill(Qt::white);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0xB8, 0xC4, 0xD8), 3));
    p.setBrush(QColor(0xF3, 0xF6, 0xFB));
    p.drawRoundedRect(QRectF(20, 20, 200, 140), 12, 12);
    p.setBrush(QColor(0xB8, 0xC4, 0xD8));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(80, 65), 14, 14);
    QPolygonF dag;
    dag << QPointF(40, 140) << QPointF(95, 85) << QPointF(130, 115) << QPointF(160, 90) << QPointF(200, 140);
    p.drawPolygon(dag);
    return pm;
}

void Tstokayarinti::Doldur(const StokSatiriDegerleri& d) {
    barkod->setText(d.barkod);
    adi->setText(d.adi);
    finishkod->setText(d.finishkod);
    marka->setText(d.marka);
    model->setText(d.model);
    birimfiyat->DegerYaz(d.birimfiyat);
    birimfiyat->setReadOnly(!d.birimfiyatDuzenlenir);
    indtutar->DegerYaz(d.indtutar);
    kdvdahiltutar->DegerYaz(d.kdvdahiltutar);
    kdvlifiyat = d.kdvlifiyat;
    Label2->setText(d.fiyatBasligi);
    indirimoran->setText(d.indirimBasligi);
    // A basket line keeps its own quantity (also off the step) until it is changed.
    adim_ = AdetAdimi(d.adetAdim);
    const QSignalBlocker kilit(adet);
    adet->setMinimum(d.adetEnAz);
    adet->setValue(d.adetDeger);
    adet->setSingleStep(adim_);
}

int Tstokayarinti::AdetDegeri() const {
    bool ok = false;
    const int v = adet->text().trimmed().toInt(&ok);
    return ok ? v : adet->minimum();
}

bool Tstokayarinti::OnaylananAdet(int& deger) const {
    bool ok = false;
    deger = adet->text().trimmed().toInt(&ok);
    return ok;
}

void Tstokayarinti::TutarHesapla() { geneltutar->DegerYaz(SatirTutari(AdetDegeri(), kdvlifiyat)); }

void Tstokayarinti::TutarYenile() { geneltutar->DegerYaz(SatirTutari(kdvdahiltutar->Deger(), AdetDegeri())); }

void Tstokayarinti::adetChange(const QString&) {
    const int v = AdetDegeri();
    const int w = AdetAdimla(v, adim_);
    if (w != v)
        adet->setValue(w);
    TutarHesapla();
    TutarYenile();
}

void Tstokayarinti::showEvent(QShowEvent* olay) {
    QDialog::showEvent(olay);
    if (ilkGosterim_) {
        ilkGosterim_ = false;
        TutarHesapla();
    }
    adet->setFocus();
    adet->selectAll();
}

void Tstokayarinti::keyPressEvent(QKeyEvent* olay) {
    // Escape has no binding, and Enter presses no default button.
    switch (olay->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        olay->accept();
        return;
    default:
        QDialog::keyPressEvent(olay);
    }
}

bool Tstokayarinti::eventFilter(QObject* nesne, QEvent* olay) {
    if (olay->type() == QEvent::KeyPress) {
        auto* t = static_cast<QKeyEvent*>(olay);
        const bool enter = t->key() == Qt::Key_Return || t->key() == Qt::Key_Enter;
        if (enter && nesne == adet) {
            accept();
            return true;
        }
        if (enter && nesne == birimfiyat)
            return true;
    } else if (olay->type() == QEvent::KeyRelease && nesne != adet) {
        TutarYenile();
    }
    return QDialog::eventFilter(nesne, olay);
}
