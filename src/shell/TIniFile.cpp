#include "TIniFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {
QString bolumAdi(const QString& satir) {
    const QString s = satir.trimmed();
    if (s.startsWith(u'[') && s.endsWith(u']'))
        return s.mid(1, s.size() - 2).trimmed();
    return {};
}

bool ayniAd(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }
} // namespace

TIniFile::TIniFile(QString yol) : yol_(std::move(yol)) {
    QFile f(yol_);
    if (!f.open(QIODevice::ReadOnly))
        return;
    varmi_ = true;
    QByteArray veri = f.readAll();
    if (veri.startsWith("\xEF\xBB\xBF"))
        veri.remove(0, 3);
    QString metin = QString::fromUtf8(veri);
    metin.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    satirlar_ = metin.split(u'\n');
    if (!satirlar_.isEmpty() && satirlar_.last().isEmpty())
        satirlar_.removeLast();
}

int TIniFile::bul(const QString& bolum, const QString& anahtar, int* bolumSonu) const {
    bool icinde = false;
    if (bolumSonu)
        *bolumSonu = -1;
    for (int i = 0; i < satirlar_.size(); ++i) {
        const QString& satir = satirlar_[i];
        const QString b = bolumAdi(satir);
        if (!b.isEmpty()) {
            if (icinde)
                return -1;
            icinde = ayniAd(b, bolum);
            if (icinde && bolumSonu)
                *bolumSonu = i + 1;
            continue;
        }
        if (!icinde)
            continue;
        if (!satir.trimmed().isEmpty() && bolumSonu)
            *bolumSonu = i + 1;
        const qsizetype esit = satir.indexOf(u'=');
        if (esit > 0 && ayniAd(satir.left(esit).trimmed(), anahtar))
            return i;
    }
    return -1;
}

QString TIniFile::ReadString(const QString& bolum, const QString& anahtar, const QString& varsayilan) const {
    const int i = bul(bolum, anahtar);
    if (i < 0)
        return varsayilan;
    const QString& satir = satirlar_[i];
    return satir.mid(satir.indexOf(u'=') + 1).trimmed();
}

int TIniFile::ReadInteger(const QString& bolum, const QString& anahtar, int varsayilan) const {
    bool tamam = false;
    const int d = ReadString(bolum, anahtar, QString()).toInt(&tamam);
    return tamam ? d : varsayilan;
}

bool TIniFile::ReadBool(const QString& bolum, const QString& anahtar, bool varsayilan) const {
    return ReadInteger(bolum, anahtar, varsayilan ? 1 : 0) != 0;
}

void TIniFile::WriteString(const QString& bolum, const QString& anahtar, const QString& deger) {
    // A value is one line.
    QString tek = deger;
    tek.replace(u'\r', u' ').replace(u'\n', u' ');
    const QString satir = anahtar + u'=' + tek;
    int bolumSonu = -1;
    const int i = bul(bolum, anahtar, &bolumSonu);
    if (i >= 0) {
        satirlar_[i] = satir;
    } else if (bolumSonu >= 0) {
        satirlar_.insert(bolumSonu, satir);
    } else {
        if (!satirlar_.isEmpty() && !satirlar_.last().trimmed().isEmpty())
            satirlar_.append(QString());
        satirlar_.append(u'[' + bolum + u']');
        satirlar_.append(satir);
    }
}

void TIniFile::WriteInteger(const QString& bolum, const QString& anahtar, int deger) {
    WriteString(bolum, anahtar, QString::number(deger));
}

void TIniFile::WriteBool(const QString& bolum, const QString& anahtar, bool deger) {
    WriteInteger(bolum, anahtar, deger ? 1 : 0);
}

bool TIniFile::UpdateFile() {
    QDir().mkpath(QFileInfo(yol_).absolutePath());
    QSaveFile f(yol_);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    f.write((satirlar_.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8());
    if (!f.commit())
        return false;
    QFile::setPermissions(yol_, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    varmi_ = true;
    return true;
}
