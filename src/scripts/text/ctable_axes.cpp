#include <algorithm>
#include <optional>
#include <string>

#include "scripts/text/ctable.h"
#include "scripts/text/ctable_render.h"
#include "scripts/text/quote_the_string.h"
#include "scripts/text/valued_leaves.h"

namespace tabulo::text {
namespace {

constexpr std::string_view kFailedToFindSubAxis = "Failed to find sub axis : ";

std::string_view NameOf(const TableTree& tree, NodeId node) {
  return tree.AttributeOrEmpty(node, AttributeName::kName);
}

bool IsShown(const TableTree& tree, NodeId element) {
  return TableQueries::Matches(tree, element, ElementRule::kShown);
}

bool HasCellValues(const TableTree& tree, NodeId element) {
  return TableQueries::Matches(tree, element, ElementRule::kValued);
}

// A variable shows its label (its name when it has none) or its name.
std::string_view VariableText(const TableTree& tree, NodeId axis, const CTextProperties& properties) {
  if (properties.UseVariableLabels()) {
    if (auto label = tree.Attribute(axis, AttributeName::kLabel)) return *label;
  }
  return NameOf(tree, axis);
}

// The text of a top-axis element: no fallback to the name, and in a profile
// table the variable-label setting decides.
std::string_view TopElementText(const TableTree& tree, NodeId element, const CTextProperties& properties,
                                bool profile) {
  bool use_label = profile ? properties.UseVariableLabels() : properties.UseElementLabels();
  return use_label ? tree.AttributeOrEmpty(element, AttributeName::kLabel) : NameOf(tree, element);
}

// The text of a side-axis element: its label, falling back to its name.
std::string_view SideElementText(const TableTree& tree, NodeId element, const CTextProperties& properties) {
  if (properties.UseElementLabels()) {
    if (auto label = tree.Attribute(element, AttributeName::kLabel)) return *label;
  }
  return NameOf(tree, element);
}

// The element that ElementHeadings//Heading number `index` of the axis shows.
NodeId ElementAt(const TableQueries& queries, NodeId axis, std::uint64_t index) {
  const std::vector<NodeId>& headings = queries.ElementHeadings(axis);
  if (index >= headings.size()) {
    throw ScriptError("CTable::GetElementFromHeading", "Failed to find element : ");
  }
  ElementLookup found = queries.ElementOfHeading(axis, headings[static_cast<std::size_t>(index)]);
  if (!found.element) {
    throw ScriptError("CTable::GetElementFromHeading",
                      "Failed to find element : " + std::string(found.missing_name));
  }
  return *found.element;
}

NodeId RequireSubAxisAt(const TableQueries& queries, NodeId axis, std::uint64_t index,
                        std::string_view source) {
  std::string_view name;
  std::optional<NodeId> sub_axis = queries.SubAxisOfHeading(axis, index, name);
  if (!sub_axis) throw ScriptError(source, std::string(kFailedToFindSubAxis) + std::string(name));
  return *sub_axis;
}

std::uint64_t Quotient(std::uint64_t leaves, std::uint64_t elements) {
  return elements == 0 ? 0 : leaves / elements;
}

}  // namespace

void CTable::PopulateAxes(TableRender& render) {
  const TableQueries& queries = render.queries;
  option_index_ = 1;
  if (top_) {
    for (NodeId heading : queries.AxisHeadings(*top_)) {
      std::string_view name = NameOf(queries.Tree(), heading);
      std::optional<NodeId> sub_axis = queries.FindSubAxis(*top_, name);
      if (!sub_axis) {
        throw ScriptError("CTable::PopulateAxes", std::string(kFailedToFindSubAxis) + std::string(name));
      }
      PopulateAxisTraverse(render, *sub_axis, 0, true);
    }
  }
  option_index_ = 1;
  side_axis_.InitFlatAxis();
  if (side_) {
    if (queries.LeafCount(*side_, ElementRule::kShown) != 0) empty_side_ = false;
    for (NodeId heading : queries.AxisHeadings(*side_)) {
      std::string_view name = NameOf(queries.Tree(), heading);
      std::optional<NodeId> sub_axis = queries.FindSubAxis(*side_, name);
      if (!sub_axis) {
        throw ScriptError("CTable::PopulateFlatAxis", std::string(kFailedToFindSubAxis) + std::string(name));
      }
      PopulateFlatAxisTraverse(render, *sub_axis, 0, true);
    }
  }
  top_axis_.ShiftRight(1);
}

void CTable::PopulateAxisTraverse(TableRender& render, NodeId axis, std::uint64_t parent_heading,
                                  bool parent_has_values) {
  const TableQueries& queries = render.queries;
  const TableTree& tree = queries.Tree();
  if (tree.Kind(axis) != NodeKind::kAxis) throw ScriptError("CTable::PopulateAxisTraverse", "Invalid Node");
  std::uint64_t depth = (std::uint64_t{queries.AxisAncestorCount(axis)} - 1) * 2;
  std::uint64_t width =
      Quotient(queries.LeafCount(axis, ElementRule::kAll), queries.ElementCount(axis, ElementRule::kAll));
  AddAxisElement(render, QuoteTheString(VariableText(tree, axis, render.properties)), depth);

  std::uint64_t listed = queries.ElementCount(axis, ElementRule::kListed);
  std::uint64_t sub_axes = queries.SubAxes(axis).size();
  for (std::uint64_t i = 0; i < listed; ++i) {
    render.Spend();
    std::uint64_t heading = listed * parent_heading + i;
    NodeId element = ElementAt(queries, axis, heading);
    bool has_values = HasCellValues(tree, element) && parent_has_values;
    if (!IsShown(tree, element)) {
      SetHiddenOptions(render, top_options_, axis, heading, has_values, width);
      continue;
    }
    std::string_view text = TopElementText(tree, element, render.properties, profile_);
    AddAxisElement(render, QuoteIfItSplitsTheLine(text, field_delimiter_), depth + 1);
    if (sub_axes > 0) {
      for (std::uint64_t j = 0; j < sub_axes; ++j) {
        NodeId sub_axis =
            RequireSubAxisAt(queries, axis, sub_axes * heading + j, "CTable::PopulateAxisTraverse");
        PopulateAxisTraverse(render, sub_axis, heading, has_values);
      }
      continue;
    }
    // Pad below a leaf of an unbalanced axis, so every leaf column reaches the deepest line.
    for (std::uint64_t line = depth + 2; line < top_depth_; ++line) AddAxisElement(render, "", line);
    if (include_column_headings_) {
      std::string_view id =
          tree.AttributeOrEmpty(queries.ElementHeadings(axis)[heading], AttributeName::kHeadingId);
      AddAxisElement(render, QuoteTheString(id), top_depth_);
    }
    SetNextOption(render, top_options_, has_values ? CELL_OPTION_NORMAL : CELL_OPTION_NO_VALUE);
  }
}

void CTable::PopulateFlatAxisTraverse(TableRender& render, NodeId axis, std::uint64_t parent_heading,
                                      bool parent_has_values) {
  const TableQueries& queries = render.queries;
  const TableTree& tree = queries.Tree();
  if (tree.Kind(axis) != NodeKind::kAxis) return;
  std::string_view last_header = VariableText(tree, axis, render.properties);
  render.Spend();
  side_axis_.SetFlatItem(QuoteTheString(last_header), false);
  bool repeat = false;

  std::uint64_t sub_axes = queries.SubAxes(axis).size();
  std::uint64_t listed = queries.ElementCount(axis, ElementRule::kListed);
  std::uint64_t width = Quotient(queries.LeafCount(axis, ElementRule::kValued),
                                 queries.ElementCount(axis, ElementRule::kValued));
  for (std::uint64_t i = 0; i < listed; ++i) {
    render.Spend();
    std::uint64_t heading = listed * parent_heading + i;
    NodeId element = ElementAt(queries, axis, heading);
    bool has_values = HasCellValues(tree, element) && parent_has_values;
    if (!IsShown(tree, element)) {
      SetHiddenOptions(render, side_options_, axis, heading, has_values, width);
      continue;
    }
    if (repeat) {
      side_axis_.SetFlatItem(QuoteIfItSplitsTheLine(last_header, field_delimiter_), false);
      repeat = false;
    }
    side_axis_.SetFlatItem(QuoteTheString(SideElementText(tree, element, render.properties)), sub_axes == 0);
    if (sub_axes == 0) {
      SetNextOption(render, side_options_, has_values ? CELL_OPTION_NORMAL : CELL_OPTION_NO_VALUE);
      continue;
    }
    for (std::uint64_t j = 0; j < sub_axes; ++j) {
      NodeId sub_axis =
          RequireSubAxisAt(queries, axis, sub_axes * heading + j, "CTable::PopulateFlatAxisTraverse");
      PopulateFlatAxisTraverse(render, sub_axis, heading, has_values);
    }
    repeat = true;
  }
}

// Puts the label in the first column of the leaves it heads: after the
// columns already taken on its own line and on the last line of the axis.
void CTable::AddAxisElement(TableRender& render, std::string_view text, std::uint64_t depth) {
  render.Spend();
  auto line_index = static_cast<std::size_t>(depth);
  std::size_t leaf_position = top_axis_.LeafCount(line_index);
  CLine& line = top_axis_.GetDataLine(line_index);
  line.SetElement(std::max(leaf_position, line.ElementCount()), text);
}

void CTable::SetNextOption(TableRender& render, CellOptions& options, CellOption option) {
  render.Spend();
  if (!options.Set(option_index_, option)) {
    throw ScriptError("CTable::SetCellOption", "Subscript out of range");
  }
  ++option_index_;
}

// A hidden element keeps the place of the values of the leaves under it: as
// many value ids (top) or value rows (side) as it has leaves with values.
// When its headings cannot be followed, the element's share of the axis's
// leaves stands in for that count.
void CTable::SetHiddenOptions(TableRender& render, CellOptions& options, NodeId axis, std::uint64_t heading,
                              bool has_values, std::uint64_t width) {
  std::uint64_t count = width > 1 ? width : 1;
  if (has_values) {
    if (std::optional<std::uint64_t> valued = ValuedLeavesBelow(render, axis, heading)) count = *valued;
  }
  CellOption option = has_values ? CELL_OPTION_DO_NOT_SHOW : CELL_OPTION_NO_VALUE_DO_NOT_SHOW;
  for (std::uint64_t i = 0; i < count; ++i) SetNextOption(render, options, option);
}

}  // namespace tabulo::text
