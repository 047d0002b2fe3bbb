#pragma once
#include "StokSatiriDegerleri.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QSpinBox;
class TParaAlani;

// The stock line dialog "Sepete Ekle": picture, codes and prices of one part, the quantity in steps
// of the package quantity and the line total. Modal, one run per object.
class Tstokayarinti : public QDialog {
    Q_OBJECT
public:
    explicit Tstokayarinti(QWidget* ebeveyn = nullptr);

    // Fills labels, fields, captions and the quantity.
    void Doldur(const StokSatiriDegerleri& d);

    // The line total from the opening price with VAT, and from the shown price with VAT.
    void TutarHesapla();
    void TutarYenile();
    // The quantity text read as an integer, the minimum when it is no number.
    int AdetDegeri() const;
    // The quantity as confirmed: the text of adet as a number; false when it is none.
    bool OnaylananAdet(int& adet) const;

    double kdvlifiyat = 0;

    QLabel* barkod;
    QLabel* adi;
    QLabel* finishkod;
    QLabel* marka;
    QLabel* model;
    QLabel* Image1;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* indirimoran;
    QLabel* Label3;
    QLabel* sLabel6;
    QSpinBox* adet;
    TParaAlani* birimfiyat;
    TParaAlani* indtutar;
    TParaAlani* kdvdahiltutar;
    TParaAlani* geneltutar;
    QPushButton* ParcaliTus1;
    QPushButton* ParcaliTus2;

    // The picture shown until the product picture replaces it.
    static QPixmap YerTutucuResim();

protected:
    void showEvent(QShowEvent* olay) override;
    void keyPressEvent(QKeyEvent* olay) override;
    bool eventFilter(QObject* nesne, QEvent* olay) override;

private:
    void adetChange(const QString& metin);
    int adim_ = 1;
    bool ilkGosterim_ = true;
};
