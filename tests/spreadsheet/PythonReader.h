#pragma once
#include <QJsonObject>
#include <QString>
#include <QStringList>

// Runs read_workbook.py under a python3 that has the reader module it needs (xlrd, openpyxl).
class PythonReader {
public:
    // The first python3 that can import module, or empty.
    static QString interpreter(const QString& module);
    // The script's JSON answer; on failure an empty object and *error set.
    static QJsonObject run(const QString& module, const QStringList& args, QString* error);
    // Module that reads the given file: openpyxl for .xlsx, xlrd otherwise.
    static QString moduleFor(const QString& file);
};
