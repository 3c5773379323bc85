#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "office/spreadsheet/cell_reference.h"
#include "office/spreadsheet/cell_value.h"

namespace tabulo::office {

class Workbook;

// Rewrites the cell references of a formula from R1C1 notation, which
// Office's object model takes, into the A1 notation a workbook file holds:
// R5C3 -> $C$5; R[1]C[-1] and RC[2] relative to `base` D5 -> C6 and F5;
// R1C -> D$1 (absolute parts get a "$", relative ones none). Texts in
// double quotes and sheet names in apostrophes are left as they are. The
// leading "=" is kept when present. Throws std::invalid_argument when a
// reference falls outside the sheet.
std::string R1C1ToA1(std::string_view formula, CellRef base);

// The value a formula that is a single reference to a cell shows ("'T1'!$C$5",
// "T1!C5", "C5" on `home_sheet`), with or without "="; nothing for other
// formulas, unknown sheets or empty cells. Lets a writer give such formulas a
// cached value that readers which do not calculate can show.
CachedValue ReferencedValue(const Workbook& workbook, std::string_view home_sheet, std::string_view formula);

}  // namespace tabulo::office
