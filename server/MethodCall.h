#pragma once
#include "SonucBilgisi.h"

#include <QHostAddress>
#include <QJsonArray>
#include <QString>

// The input parameters of one remote call, already checked against the method's signature.
// Signature letters: i = 32-bit integer, d = double, s = string, b = boolean,
// o = TSonucBilgisi object (or null).
class MethodCall {
public:
    MethodCall(QString method, QJsonArray parameters, QHostAddress peer = {});

    // Empty when the parameters fit the signature; otherwise the error message to answer.
    static QString check(const QString& signature, const QJsonArray& parameters);

    const QString& method() const { return method_; }
    const QJsonArray& parameters() const { return parameters_; }
    const QHostAddress& peer() const { return peer_; }

    int integer(int index) const;
    double real(int index) const;
    QString text(int index) const;
    bool boolean(int index) const;
    SonucBilgisi record(int index) const;

private:
    QString method_;
    QJsonArray parameters_;
    QHostAddress peer_;
};
