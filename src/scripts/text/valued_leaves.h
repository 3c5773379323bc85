#pragma once

#include <cstdint>
#include <optional>

#include "scripts/text/table_tree.h"

namespace tabulo::text {

struct TableRender;

// The leaves with values under element heading `heading` of the axis: the
// values that a hidden element holds in its place (value ids on the top axis,
// value rows on the side). A leaf has values when its element and every
// element above it up to this heading have values. nullopt when a heading or
// sub-axis on the way cannot be found.
std::optional<std::uint64_t> ValuedLeavesBelow(TableRender& render, NodeId axis, std::uint64_t heading);

}  // namespace tabulo::text
