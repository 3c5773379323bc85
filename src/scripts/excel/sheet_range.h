#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "scripts/excel/excel_types.h"

namespace tabulo::excel {

// The range of rows first_row..last_row and columns first_column..last_column
// (1-based, both ends included), when it is not empty and lies on the sheet.
std::optional<CellRange> SheetRange(std::int64_t first_row, std::int64_t first_column, std::int64_t last_row,
                                    std::int64_t last_column);

// The same range; a range that is empty or leaves the sheet raises
// "CRenderTable.<method>: Invalid argument".
CellRange RequireSheetRange(std::string_view method, std::int64_t first_row, std::int64_t first_column,
                            std::int64_t last_row, std::int64_t last_column);

}  // namespace tabulo::excel
