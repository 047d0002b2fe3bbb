#include "TField.h"

#include "EHata.h"
#include "TClientDataSet.h"

TClientDataSet& TField::Owner() const
{
    if (!ds_)
        throw EDatabaseError(QStringLiteral("Field not found"));
    return *ds_;
}

std::pair<const TColumn*, int> TField::Cell() const
{
    return Owner().CurrentCell(index_);
}

QString TField::FieldName() const
{
    return Cell().first->Def().Name;
}

TFieldType TField::DataType() const
{
    return Cell().first->Def().DataType;
}

int TField::Size() const
{
    return Cell().first->Def().Size;
}

bool TField::IsNull() const
{
    const auto [c, r] = Cell();
    return r < 0 || c->IsNull(r);
}

QString TField::AsString() const
{
    const auto [c, r] = Cell();
    return r < 0 ? QString() : c->AsString(r);
}

double TField::AsFloat() const
{
    const auto [c, r] = Cell();
    return r < 0 ? 0.0 : c->AsFloat(r);
}

int TField::AsInteger() const
{
    const auto [c, r] = Cell();
    return r < 0 ? 0 : c->AsInteger(r);
}

qint64 TField::AsLargeInt() const
{
    const auto [c, r] = Cell();
    return r < 0 ? 0 : c->AsLargeInt(r);
}

bool TField::AsBoolean() const
{
    const auto [c, r] = Cell();
    return r >= 0 && c->AsBoolean(r);
}

QDateTime TField::AsDateTime() const
{
    const auto [c, r] = Cell();
    return r < 0 ? QDateTime() : c->AsDateTime(r);
}

QVariant TField::Value() const
{
    const auto [c, r] = Cell();
    return r < 0 ? QVariant() : c->Value(r);
}

QString TField::DisplayText() const
{
    const auto [c, r] = Cell();
    return r < 0 ? QString() : ds_->CellText(*c, r, index_);
}

QString TField::DisplayFormat() const
{
    Cell();
    return ds_->DisplayFormat(index_);
}

void TField::SetDisplayFormat(const QString& format)
{
    Cell();
    ds_->SetDisplayFormat(index_, format);
}

void TField::SetAsString(const QString& v)
{
    Owner().EditBuffer(index_).SetString(0, index_, v);
}

void TField::SetAsFloat(double v)
{
    Owner().EditBuffer(index_).SetFloat(0, index_, v);
}

void TField::SetAsInteger(int v)
{
    Owner().EditBuffer(index_).SetInteger(0, index_, v);
}

void TField::SetAsLargeInt(qint64 v)
{
    Owner().EditBuffer(index_).SetLargeInt(0, index_, v);
}

void TField::SetAsBoolean(bool v)
{
    Owner().EditBuffer(index_).SetBoolean(0, index_, v);
}

void TField::SetAsDateTime(const QDateTime& v)
{
    Owner().EditBuffer(index_).SetDateTime(0, index_, v);
}

void TField::SetValue(const QVariant& v)
{
    Owner().EditBuffer(index_).SetValue(0, index_, v);
}

void TField::Clear()
{
    Owner().EditBuffer(index_).SetNull(0, index_);
}
