#pragma once
#include <QJsonValue>
#include <QString>

class DataSnapObject;

// The sign-in record baglantiu.TSonucBilgisi as the server reads it from a parameter and
// writes it as the result of BuyukGetir. Defaults are those of a new record on the client.
struct SonucBilgisi {
    QString FBILGISAYARID;
    QString FSaticiMail;
    int FSirano = 0;
    QString FCariAdi;
    QString FSIFRE;
    int FSaticiNo = 0;
    int FCARINO = 0;
    int FAKTIF = 0;
    QString FKullanicimail;
    QString FADI;
    QString FSaticiTelefon;
    QString Fcarikod;
    bool FVarmi = false;
    QString FSaticiAdi;
    QString FBilgiSayarAdi;
    QString FDisip;
    QString FIcip;
    QString FBilgisayarKullanici;
    int FMusteriTipi = 1;
    int FVersion = 1;

    // Null gives a default record. Throws DemoError when the value is not of this form or a
    // field has the wrong JSON kind; missing fields keep their defaults.
    static SonucBilgisi fromJson(const QJsonValue& value);
    DataSnapObject toObject() const;
};
