#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace tabulo::text {

// The values of one cell, one per cell item in cell-item order. The texts
// are views of the table's value rows, which outlive the table's data.
class CDatum {
 public:
  void Init(std::size_t cell_items) { items_.assign(cell_items, std::string_view{}); }
  void AddToDatum(std::size_t index, std::string_view text) { items_.at(index) = text; }
  std::string_view GetCellItem(std::size_t index) const { return items_.at(index); }
  std::size_t CellItems() const { return items_.size(); }

 private:
  std::vector<std::string_view> items_;
};

}  // namespace tabulo::text
