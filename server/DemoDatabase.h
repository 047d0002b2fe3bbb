#pragma once
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>
#include <QVariantMap>

// The server's SQLite connection (one per server thread). Every failure throws DemoError, so a
// method handler never works on a half-done query.
class DemoDatabase {
public:
    explicit DemoDatabase(const QString& connectionName);
    ~DemoDatabase();
    DemoDatabase(const DemoDatabase&) = delete;
    DemoDatabase& operator=(const DemoDatabase&) = delete;

    bool open(const QString& file, QString* error);
    void close();
    bool isOpen() const;

    QSqlQuery exec(const QString& sql, const QVariantList& binds = {}) const;
    QSqlQuery prepare(const QString& sql) const;
    static void run(QSqlQuery& query); // exec a prepared query whose values are bound
    QVariant scalar(const QString& sql, const QVariantList& binds = {}) const;
    QList<QVariantMap> rows(const QString& sql, const QVariantList& binds = {}) const;

    void begin();
    void commit();
    void rollback();

    QString meta(const QString& key) const;
    void setMeta(const QString& key, const QString& value);

private:
    QString name_;
};
