#include "Klasorler.h"

#include <QDir>
#include <QStandardPaths>

QString BelgelerKlasoru() {
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

QString AyarKlasoru() {
    const QString taban = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    const QString yol = QDir::cleanPath(taban + QStringLiteral("/orvak"));
    QDir().mkpath(yol);
    return yol;
}
