#pragma once
#include "TTableData.h"

#include <simdjson.h>

#include <string_view>

// Decodes one column-major table value {"table":[descriptors], "COL":[values], ...} into columnar
// storage. Throws EProtocolError on any value of the wrong shape or kind; never misreads silently.
// "table" must come first; hedef is replaced only when the whole value decoded.
void TabloCoz(simdjson::ondemand::value deger, TTableData& hedef);

// The same for a whole JSON text that is itself the table value (tests, benchmarks, files); anything
// after the value is an error. The first form reads a buffer that already carries simdjson's padding,
// the second copies the text into one. Uses one parser per thread, kept between calls.
void TabloCozMetin(simdjson::padded_string_view json, TTableData& hedef);
void TabloCozMetin(std::string_view json, TTableData& hedef);
