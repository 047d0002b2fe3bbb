#pragma once
#include <QString>
#include <QStringList>

// A Windows-style INI file: "[section]" lines and "key=value" lines, names matched without regard to
// case, read and written as UTF-8. Lines it does not know are kept. Writes go to memory until
// UpdateFile, which replaces the file atomically and readable by its owner only (mode 0600): it may
// hold a password.
class TIniFile {
public:
    explicit TIniFile(QString yol);

    bool Exists() const { return varmi_; }
    QString ReadString(const QString& bolum, const QString& anahtar, const QString& varsayilan) const;
    // A whole number; the default when the key is missing or holds no whole number.
    int ReadInteger(const QString& bolum, const QString& anahtar, int varsayilan) const;
    // ReadInteger(…, varsayilan ? 1 : 0) != 0.
    bool ReadBool(const QString& bolum, const QString& anahtar, bool varsayilan) const;

    void WriteString(const QString& bolum, const QString& anahtar, const QString& deger);
    void WriteInteger(const QString& bolum, const QString& anahtar, int deger);
    void WriteBool(const QString& bolum, const QString& anahtar, bool deger);

    // Creates the folder when missing. False when the file cannot be written.
    bool UpdateFile();

private:
    // Line index of the key inside the section, -1 when absent; `bolumSonu` is where a new key goes
    // (-1 without the section).
    int bul(const QString& bolum, const QString& anahtar, int* bolumSonu = nullptr) const;

    QString yol_;
    QStringList satirlar_;
    bool varmi_ = false;
};
