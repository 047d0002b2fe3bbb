#pragma once
#include "MesajSor.h"

#include <QDialog>

#include <memory>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TMesgulGostergesi;
class TSQLConnection;
class TSonucBilgisi;

// The login dialog: learns the public address, fetches the record registered for this workstation
// (BuyukGetir), compares the typed credentials with it, remembers them in ayar.ini, and branches to
// the installer download, the registration request or the customer selection. Closes with
// Accepted only after a complete login; then Bilgim holds the server's record with the workstation
// fields and FDisip filled.
class Tgirisform : public QDialog {
    Q_OBJECT
public:
    // Creation: the workstation identity and the remembered credentials.
    explicit Tgirisform(QWidget* sahip = nullptr);
    ~Tgirisform() override;

    QString idsi;
    TSQLConnection* bagim = nullptr;   // the main window's connection
    TSonucBilgisi* Bilgim = nullptr;   // the main window's record; the dialog writes into it

    QLabel* Label1;
    QLineEdit* adi;
    QLabel* Label2;
    QLineEdit* sifre;
    QCheckBox* benihatirla;
    QPushButton* Button1;
    QPushButton* Button2;
    TMesgulGostergesi* RxGIFAnimator1;
    QLabel* RxLabel1;

    // AyarKlasoru() + "/ayar.ini".
    static QString AyarDosyasi();
    // The public IPv4 address from the what-is-my-IP service, trying kDisIpDenemesi times one
    // second apart; empty when every attempt fails. An answer that is not an IPv4 address counts as
    // a failure. Blocking; for a worker thread.
    static QString DisIpAl(const QString& servis);
    static constexpr int kDisIpDenemesi = 3;

public slots:
    void Button1Click();
    void Button2Click();

protected:
    bool eventFilter(QObject* nesne, QEvent* olay) override;
    void paintEvent(QPaintEvent*) override;

private:
    struct Getirilen;

    void Devamet(const QString& adres);
    static void BilgiGetir(TSQLConnection& baglanti, const QString& idsi, const QString& ipServisi, Getirilen& g);
    void Karar(Getirilen& g);
    void AyarOku();
    void AyarYaz();
    void GirisHatasi(const QString& mesaj, TMsgDlgType tip);
    void GuncellemeAc();
    void KayitIstegiAc();
    bool CariSecimiAc();
    bool adiKeyDown();
    bool sifreKeyDown();
};
