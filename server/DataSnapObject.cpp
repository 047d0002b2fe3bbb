#include "DataSnapObject.h"
#include "JsonText.h"

DataSnapObject::DataSnapObject(const QString& type) : type_(type) {}

DataSnapObject& DataSnapObject::text(const char* name, const QString& value)
{
    fields_.push_back({name, JsonText::string(value), {}, false});
    return *this;
}

DataSnapObject& DataSnapObject::integer(const char* name, qint64 value)
{
    fields_.push_back({name, JsonText::integer(value), {}, false});
    return *this;
}

DataSnapObject& DataSnapObject::real(const char* name, double value)
{
    fields_.push_back({name, JsonText::real(value), {}, false});
    return *this;
}

DataSnapObject& DataSnapObject::boolean(const char* name, bool value)
{
    fields_.push_back({name, JsonText::boolean(value), {}, false});
    return *this;
}

DataSnapObject& DataSnapObject::objects(const char* name, const QList<DataSnapObject>& value)
{
    fields_.push_back({name, {}, value, true});
    return *this;
}

QByteArray DataSnapObject::toJson(int& nextId) const
{
    QByteArray out("{\"type\":");
    JsonText::appendString(out, type_);
    out.append(",\"id\":" + QByteArray::number(nextId++) + ",\"fields\":{");
    bool first = true;
    for (const Field& f : fields_) {
        if (!first)
            out.append(',');
        first = false;
        out.append('"' + f.name + "\":");
        if (f.isArray) {
            out.append('[');
            for (qsizetype i = 0; i < f.children.size(); ++i) {
                if (i)
                    out.append(',');
                out.append(f.children[i].toJson(nextId));
            }
            out.append(']');
        } else {
            out.append(f.raw);
        }
    }
    out.append("}}");
    return out;
}

QByteArray DataSnapObject::toJson() const
{
    int id = 1;
    return toJson(id);
}
