#include "PythonReader.h"
#include <QHash>
#include <QJsonDocument>
#include <QProcess>
#include <QStandardPaths>

QString PythonReader::interpreter(const QString& module)
{
    static QHash<QString, QString> found;
    if (auto it = found.constFind(module); it != found.constEnd())
        return *it;
    // The system python carries Debian's python3-xlrd/openpyxl; one on PATH may not.
    QStringList candidates{QStandardPaths::findExecutable(QStringLiteral("python3")),
                           QStringLiteral("/usr/bin/python3")};
    QString result;
    for (const QString& py : candidates) {
        if (py.isEmpty())
            continue;
        QProcess p;
        p.start(py, {QStringLiteral("-c"), QStringLiteral("import %1").arg(module)});
        if (p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0) {
            result = py;
            break;
        }
    }
    found.insert(module, result);
    return result;
}

QString PythonReader::moduleFor(const QString& file)
{
    return file.endsWith(QLatin1String(".xlsx"), Qt::CaseInsensitive) ? QStringLiteral("openpyxl")
                                                                      : QStringLiteral("xlrd");
}

QJsonObject PythonReader::run(const QString& module, const QStringList& args, QString* error)
{
    const QString py = interpreter(module);
    if (py.isEmpty()) {
        *error = QStringLiteral("no python3 with %1").arg(module);
        return {};
    }
    QProcess p;
    p.start(py, QStringList{QStringLiteral(READ_WORKBOOK_PY)} + args);
    if (!p.waitForFinished(300000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        *error = QString::fromUtf8(p.readAllStandardError());
        return {};
    }
    QJsonParseError pe;
    const QJsonDocument doc = QJsonDocument::fromJson(p.readAllStandardOutput(), &pe);
    if (pe.error != QJsonParseError::NoError) {
        *error = pe.errorString();
        return {};
    }
    return doc.object();
}
