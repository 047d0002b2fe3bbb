#pragma once
#include <QByteArray>
#include <QList>
#include <QString>
#include <vector>

// An object in the marshalled form {"type":"unit.Class","id":n,"fields":{...}} with its fields in
// the order they are added (the declaration order of the class).
class DataSnapObject {
public:
    explicit DataSnapObject(const QString& type);

    DataSnapObject& text(const char* name, const QString& value);
    DataSnapObject& integer(const char* name, qint64 value);
    DataSnapObject& real(const char* name, double value);
    DataSnapObject& boolean(const char* name, bool value);
    DataSnapObject& objects(const char* name, const QList<DataSnapObject>& value);

    // ids count from `nextId` in writing order, the outermost object first.
    QByteArray toJson(int& nextId) const;
    QByteArray toJson() const;

private:
    struct Field {
        QByteArray name;
        QByteArray raw;                 // scalar value as JSON text
        QList<DataSnapObject> children; // used when isArray
        bool isArray = false;
    };
    QString type_;
    std::vector<Field> fields_;
};
