#include "scripts/excel/sheet_range.h"

#include "scripts/excel/logic_error.h"

namespace tabulo::excel {
namespace {

bool OnSheet(std::int64_t row, std::int64_t column) {
  return row >= 1 && row <= kSheetRows && column >= 1 && column <= kSheetColumns;
}

}  // namespace

std::optional<CellRange> SheetRange(std::int64_t first_row, std::int64_t first_column, std::int64_t last_row,
                                    std::int64_t last_column) {
  if (first_row > last_row || first_column > last_column) return std::nullopt;
  if (!OnSheet(first_row, first_column) || !OnSheet(last_row, last_column)) return std::nullopt;
  return CellRange{{static_cast<std::int32_t>(first_row), static_cast<std::int32_t>(first_column)},
                   {static_cast<std::int32_t>(last_row), static_cast<std::int32_t>(last_column)}};
}

CellRange RequireSheetRange(std::string_view method, std::int64_t first_row, std::int64_t first_column,
                            std::int64_t last_row, std::int64_t last_column) {
  std::optional<CellRange> range = SheetRange(first_row, first_column, last_row, last_column);
  if (!range) RaiseLogicError(method, "Invalid argument");
  return *range;
}

}  // namespace tabulo::excel
