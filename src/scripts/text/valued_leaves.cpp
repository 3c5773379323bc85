#include "scripts/text/valued_leaves.h"

#include "scripts/text/ctable_render.h"

namespace tabulo::text {
namespace {

// The leaves with values of the instance of the axis under parent heading `parent`.
std::optional<std::uint64_t> ValuedLeavesOfInstance(TableRender& render, NodeId axis, std::uint64_t parent) {
  const TableQueries& queries = render.queries;
  const std::vector<NodeId>& headings = queries.ElementHeadings(axis);
  std::uint64_t listed = queries.ElementCount(axis, ElementRule::kListed);
  std::uint64_t leaves = 0;
  for (std::uint64_t i = 0; i < listed; ++i) {
    render.Spend();
    std::uint64_t heading = listed * parent + i;
    if (heading >= headings.size()) return std::nullopt;
    ElementLookup found = queries.ElementOfHeading(axis, headings[static_cast<std::size_t>(heading)]);
    if (!found.element) return std::nullopt;
    if (!TableQueries::Matches(queries.Tree(), *found.element, ElementRule::kValued)) continue;
    std::optional<std::uint64_t> below = ValuedLeavesBelow(render, axis, heading);
    if (!below) return std::nullopt;
    leaves += *below;
  }
  return leaves;
}

}  // namespace

std::optional<std::uint64_t> ValuedLeavesBelow(TableRender& render, NodeId axis, std::uint64_t heading) {
  const TableQueries& queries = render.queries;
  std::uint64_t sub_axes = queries.SubAxes(axis).size();
  if (sub_axes == 0) return 1;
  std::uint64_t leaves = 0;
  for (std::uint64_t j = 0; j < sub_axes; ++j) {
    render.Spend();
    std::string_view name;
    std::optional<NodeId> sub_axis = queries.SubAxisOfHeading(axis, sub_axes * heading + j, name);
    if (!sub_axis) return std::nullopt;
    std::optional<std::uint64_t> nested = ValuedLeavesOfInstance(render, *sub_axis, heading);
    if (!nested) return std::nullopt;
    leaves += *nested;
  }
  return leaves;
}

}  // namespace tabulo::text
