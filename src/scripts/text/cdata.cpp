#include "scripts/text/cdata.h"

#include <algorithm>

#include "scripts/text/quote_the_string.h"
#include "scripts/text/script_error.h"

namespace tabulo::text {

void CData::Init(std::uint64_t rows, std::uint64_t columns, std::size_t cell_items,
                 std::string_view delimiter) {
  initialised_ = true;
  rows_ = rows;
  columns_ = columns;
  cell_items_ = cell_items;
  delimiter_ = delimiter;
  cells_.clear();
  values_.clear();
}

void CData::AddDatum(std::uint64_t row, std::uint64_t column, const CDatum& datum) {
  if (!initialised_ || row > rows_ || column > columns_ || datum.CellItems() != cell_items_) {
    throw ScriptError("CData::AddDatum", "Subscript out of range");
  }
  if (row >= cells_.size()) cells_.resize(static_cast<std::size_t>(row) + 1);
  std::vector<Cell>& cells = cells_[static_cast<std::size_t>(row)];
  Cell cell{column, values_.size()};
  for (std::size_t i = 0; i < cell_items_; ++i) values_.push_back(datum.GetCellItem(i));
  // Cells arrive in column order; anything else is put in its place.
  auto at = std::lower_bound(cells.begin(), cells.end(), column,
                             [](const Cell& c, std::uint64_t wanted) { return c.column < wanted; });
  if (at != cells.end() && at->column == column) {
    *at = cell;
  } else {
    cells.insert(at, cell);
  }
}

bool CData::GetLine(std::uint64_t row, std::size_t item, std::string& out) const {
  if (!initialised_ || item >= cell_items_) return false;
  // Rows past the grid read as rows whose cells were never filled.
  if (row < cells_.size()) {
    for (const Cell& cell : cells_[static_cast<std::size_t>(row)]) {
      if (cell.column >= columns_) continue;
      AppendQuoted(values_[cell.first_value + item], out);
      out.append(delimiter_);
    }
  }
  return item + 1 < cell_items_;
}

}  // namespace tabulo::text
