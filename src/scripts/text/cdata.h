#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "scripts/text/cdatum.h"

namespace tabulo::text {

// The value grid of a populated table: one cell per shown side leaf and shown
// top leaf, each holding a value per cell item. The grid has a spare row and
// column that are never filled; a cell never filled stays empty and is left
// out of its line.
class CData {
 public:
  void Init(std::uint64_t rows, std::uint64_t columns, std::size_t cell_items, std::string_view delimiter);
  // Throws ScriptError when the cell lies outside the grid.
  void AddDatum(std::uint64_t row, std::uint64_t column, const CDatum& datum);
  // Appends the quoted item-th value of every filled cell of the row, each
  // followed by the delimiter (nothing without a grid); returns whether
  // further cell items follow.
  bool GetLine(std::uint64_t row, std::size_t item, std::string& out) const;
  std::size_t CellItems() const { return cell_items_; }
  std::uint64_t Rows() const { return rows_; }

 private:
  struct Cell {
    std::uint64_t column;
    std::size_t first_value;
  };

  bool initialised_ = false;
  std::uint64_t rows_ = 0;
  std::uint64_t columns_ = 0;
  std::size_t cell_items_ = 0;
  std::string delimiter_;
  // Cells of each row in column order; rows are added as they are filled.
  std::vector<std::vector<Cell>> cells_;
  std::vector<std::string_view> values_;
};

}  // namespace tabulo::text
