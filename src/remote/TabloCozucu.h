#pragma once
#include "TTableData.h"

#include <simdjson.h>

// Decodes one column-major table value {"table":[descriptors], "COL":[values], ...} into columnar
// storage. Throws EProtocolError on any value of the wrong shape or kind; never misreads silently.
void TabloCoz(simdjson::ondemand::value deger, TTableData& hedef);
