#include "scripts/text/cell_options.h"

namespace tabulo::text {

bool CellOptions::Set(std::uint64_t index, CellOption option) {
  if (index >= size_) return false;
  if (index >= options_.size()) options_.resize(static_cast<std::size_t>(index) + 1, CELL_OPTION_UNSET);
  options_[static_cast<std::size_t>(index)] = option;
  return true;
}

CellOption CellOptions::Get(std::uint64_t index) const {
  return index < options_.size() ? options_[static_cast<std::size_t>(index)] : CELL_OPTION_UNSET;
}

}  // namespace tabulo::text
