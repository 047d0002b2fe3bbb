#pragma once
#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QStringList>

// Read access to a column-major table value of a reply, checking its shape on construction.
class DsTable {
public:
    explicit DsTable(const QJsonValue& value);

    // Empty when the shape is right, else what is wrong with it.
    const QString& problem() const { return problem_; }
    QStringList names() const;
    int type(const QString& column) const;
    int rows() const { return rows_; }
    QJsonValue value(const QString& column, int row) const;
    double number(const QString& column, int row) const { return value(column, row).toDouble(); }
    QString text(const QString& column, int row) const { return value(column, row).toString(); }
    int find(const QString& column, const QJsonValue& v) const; // first row holding v, or -1

private:
    QJsonObject object_;
    QJsonArray descriptors_;
    int rows_ = 0;
    QString problem_;
};
