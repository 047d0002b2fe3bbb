#pragma once

class TClientDataSet;

// The money display format of every grid that shows amounts.
inline constexpr const char* kParaBicimi = "#,###,##0.00";

// Gives every field of exactly the double kind (not currency/BCD, not integer) the money display
// format; the separators are those of the user's locale. Other fields keep their format.
void AlanBicimle(TClientDataSet& tablo);

// True when the table is open and holds at least one record.
bool KayitVarmi(const TClientDataSet& tablo);

// True when some record has SEC = 1; the current record is then that record. Otherwise false, with
// the cursor past the last record.
bool SecimVarmi(TClientDataSet& tablo);
