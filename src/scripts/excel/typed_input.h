#pragma once

#include <cstdint>
#include <string_view>

#include "scripts/excel/excel_operations.h"

namespace tabulo::excel {

// Writes a text into a cell the way Excel reads typed input. In a cell
// formatted as text ("@") the text stays text. Elsewhere a number or a
// percentage written in the locale `lcid` becomes a number (a percentage
// divided by 100; a General cell then gets the percent format Excel would
// give it: "0%", or "0.00%" when the text has decimals); anything else stays
// text. The layout calls this for every text it assigns except annotations,
// which are always text.
void WriteTypedText(ExcelWorksheet& sheet, CellRef cell, std::string_view text, std::uint32_t lcid);

}  // namespace tabulo::excel
