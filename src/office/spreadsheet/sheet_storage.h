#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "office/spreadsheet/format_table.h"

namespace tabulo::office {

enum class CellKind : std::uint8_t { kBlank, kNumber, kText, kBoolean, kRichText, kFormula };

// One cell as a worksheet keeps it: 24 bytes, whatever it holds. `ref` is
// the text's id in the workbook's text pool, or the index of the sheet's
// rich text or formula; `number` holds numbers and booleans (0 or 1).
struct StoredCell {
  std::int32_t column = 1;
  FormatTable::Id format = 0;
  double number = 0;
  std::uint32_t ref = 0;
  CellKind kind = CellKind::kBlank;
};

// A row: its cells in ascending column order, and its height when set.
struct StoredRow {
  std::vector<StoredCell> cells;
  std::optional<double> height;  // points
};

}  // namespace tabulo::office
