#pragma once
#include <QDialog>

class QLabel;
class QPushButton;

// "Sipariş Onay": the order summary, the overdue-balance warning and the question; "Evet" accepts,
// "Hayır" rejects. It has no logic of its own.
class TONAYSIP : public QDialog {
    Q_OBJECT
public:
    explicit TONAYSIP(QWidget* sahip);

    QLabel* Label1() const { return Label1_; }
    QLabel* Label2() const { return Label2_; }
    QLabel* Label3() const { return Label3_; }
    QPushButton* Button1() const { return Button1_; }
    QPushButton* Button2() const { return Button2_; }

    // The summary exactly as given ("\r\n" between lines); the label shows it line by line.
    void OzetYaz(const QString& ozet);
    QString Ozet() const { return ozet_; }

private:
    QLabel* Label1_;
    QLabel* Label2_;
    QLabel* Label3_;
    QPushButton* Button1_;
    QPushButton* Button2_;
    QString ozet_;
};
