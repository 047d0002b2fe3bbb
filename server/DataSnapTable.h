#pragma once
#include <ProtokolSabitleri.h>

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QVariant>
#include <initializer_list>
#include <vector>

class QSqlQuery;

// One result table in the column-major wire form: {"table":[descriptors],"COL":[values],...}.
// Values are appended row by row as JSON text per column, so big tables stay compact.
class DataSnapTable {
public:
    struct Column {
        QString name;
        protokol::DbxTipi type;
        int size = 0; // strings: declared width (grows to the longest value)
    };

    DataSnapTable() = default;
    DataSnapTable(std::initializer_list<Column> columns);

    int addColumn(const QString& name, protokol::DbxTipi type, int size = 0);
    int columnCount() const { return int(columns_.size()); }
    int rowCount() const { return rows_; }
    int indexOf(const QString& name) const;

    // Appends one whole row; values in column order, converted by the column's type.
    void appendRow(const QVariantList& values);
    // Appends every row of an executed query, its result columns mapped by position.
    void appendQuery(QSqlQuery& query);

    QByteArray toJson() const;

private:
    struct Cells {
        QByteArray text;
        int maxLength = 0;
    };
    void appendCell(int column, const QVariant& value);

    std::vector<Column> columns_;
    std::vector<Cells> cells_;
    int rows_ = 0;
};
