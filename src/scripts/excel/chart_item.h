#pragma once

#include <cstdint>
#include <optional>

#include "xml/document.h"

namespace tabulo::excel {

// The root axis an element stands on.
enum class TableAxis { kSide, kTop };

// One series or category of a chart: an element of a chart block, or the
// single row or column of an absent axis.
struct ChartItem {
  TableAxis axis = TableAxis::kSide;
  std::int64_t index = 0;  // its row (side) or column (top) among the table's shown leaves
  std::optional<xml::Node> element;
  std::optional<xml::Node> heading;

  // The heading's IsSingleValue is "true".
  bool SingleValue() const { return heading && heading->Attribute("IsSingleValue").value_or("") == "true"; }
};

}  // namespace tabulo::excel
