#include "DemoDatabase.h"
#include "DemoError.h"

#include <QSqlError>
#include <QSqlRecord>

DemoDatabase::DemoDatabase(const QString& connectionName) : name_(connectionName) {}

DemoDatabase::~DemoDatabase()
{
    close();
}

bool DemoDatabase::open(const QString& file, QString* error)
{
    close();
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
    db.setDatabaseName(file);
    if (!db.open()) {
        if (error)
            *error = db.lastError().text();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(name_);
        return false;
    }
    try {
        exec(QStringLiteral("PRAGMA journal_mode=WAL"));
        exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
        exec(QStringLiteral("PRAGMA foreign_keys=OFF"));
    } catch (const DemoError& e) {
        if (error)
            *error = e.message();
        return false;
    }
    return true;
}

void DemoDatabase::close()
{
    if (!QSqlDatabase::contains(name_))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(name_, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(name_);
}

bool DemoDatabase::isOpen() const
{
    return QSqlDatabase::contains(name_) && QSqlDatabase::database(name_, false).isOpen();
}

QSqlQuery DemoDatabase::exec(const QString& sql, const QVariantList& binds) const
{
    QSqlQuery q(QSqlDatabase::database(name_, false));
    q.setForwardOnly(true);
    if (!q.prepare(sql))
        throw DemoError(QStringLiteral("Veritabanı hatası: %1").arg(q.lastError().text()));
    for (qsizetype i = 0; i < binds.size(); ++i)
        q.bindValue(int(i), binds[i]);
    run(q);
    return q;
}

QSqlQuery DemoDatabase::prepare(const QString& sql) const
{
    QSqlQuery q(QSqlDatabase::database(name_, false));
    q.setForwardOnly(true);
    if (!q.prepare(sql))
        throw DemoError(QStringLiteral("Veritabanı hatası: %1").arg(q.lastError().text()));
    return q;
}

void DemoDatabase::run(QSqlQuery& query)
{
    if (!query.exec())
        throw DemoError(QStringLiteral("Veritabanı hatası: %1").arg(query.lastError().text()));
}

QVariant DemoDatabase::scalar(const QString& sql, const QVariantList& binds) const
{
    QSqlQuery q = exec(sql, binds);
    return q.next() ? q.value(0) : QVariant();
}

QList<QVariantMap> DemoDatabase::rows(const QString& sql, const QVariantList& binds) const
{
    QSqlQuery q = exec(sql, binds);
    QList<QVariantMap> out;
    while (q.next()) {
        const QSqlRecord rec = q.record();
        QVariantMap row;
        for (int i = 0; i < rec.count(); ++i)
            row.insert(rec.fieldName(i), q.value(i));
        out.append(row);
    }
    return out;
}

void DemoDatabase::begin()
{
    if (!QSqlDatabase::database(name_, false).transaction())
        throw DemoError(QStringLiteral("Veritabanı hatası: işlem başlatılamadı"));
}

void DemoDatabase::commit()
{
    if (!QSqlDatabase::database(name_, false).commit())
        throw DemoError(QStringLiteral("Veritabanı hatası: işlem tamamlanamadı"));
}

void DemoDatabase::rollback()
{
    QSqlDatabase::database(name_, false).rollback();
}

QString DemoDatabase::meta(const QString& key) const
{
    try {
        return scalar(QStringLiteral("SELECT value FROM meta WHERE key=?"), {key}).toString();
    } catch (const DemoError&) {
        return {};
    }
}

void DemoDatabase::setMeta(const QString& key, const QString& value)
{
    exec(QStringLiteral("INSERT OR REPLACE INTO meta(key,value) VALUES(?,?)"), {key, value});
}
