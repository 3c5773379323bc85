#pragma once

#include <cstdint>
#include <optional>

#include "xml/document.h"

namespace tabulo::excel {

// A shown leaf of a laid-out axis: the index of its values (row of
// CellValues on the side, value column on the top; -1 without values),
// whether it has a single value, and its element (none for the implicit leaf
// of an absent axis).
struct TableLeaf {
  std::int64_t data_index = -1;
  bool single_value = false;
  std::optional<xml::Node> element;
};

}  // namespace tabulo::excel
