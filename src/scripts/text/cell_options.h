#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tabulo::text {

// What a leaf of an axis contributes to the value walk.
enum CellOption : std::uint8_t {
  CELL_OPTION_UNSET = 0,                 // skipped
  CELL_OPTION_NORMAL = 1,                // shown, has values
  CELL_OPTION_DO_NOT_SHOW = 2,           // hidden, has values: its values are skipped
  CELL_OPTION_NO_VALUE = 3,              // shown, no values: an empty cell or row
  CELL_OPTION_NO_VALUE_DO_NOT_SHOW = 4,  // hidden, no values
};

// The cell options of an axis's leaves, from index 1 in traversal order
// (index 0 stands for the implicit row or column of an absent axis). Sized
// from the axis's leaf count, but stored only as far as set, so that a huge
// count costs nothing.
class CellOptions {
 public:
  void Size(std::uint64_t entries) { size_ = entries; }
  std::uint64_t Size() const { return size_; }
  // false when the index is beyond the size.
  bool Set(std::uint64_t index, CellOption option);
  CellOption Get(std::uint64_t index) const;
  // One past the highest index set; every later entry is unset.
  std::uint64_t StoredEnd() const { return options_.size(); }

 private:
  std::uint64_t size_ = 0;
  std::vector<CellOption> options_;
};

}  // namespace tabulo::text
