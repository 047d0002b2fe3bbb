#pragma once
#include <QString>
#include <cstdint>

// Field kinds of the client table. Float is the double kind (the one that gets the money display
// format); BCD stands for currency and BCD columns, numeric but kept apart from Float.
enum class TFieldType : std::uint8_t { String, Integer, LargeInt, Float, BCD, Date, DateTime, Boolean };

struct TFieldDef {
    QString Name;
    TFieldType DataType = TFieldType::String;
    int Size = 0;
};
