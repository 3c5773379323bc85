#include <algorithm>
#include <exception>

#include "scripts/excel/ctable_render.h"
#include "scripts/excel/logic_error.h"
#include "scripts/excel/sheet_range.h"

namespace tabulo::excel {
namespace {

constexpr std::string_view kFailedToFindSubAxis = "Failed to find sub axis ";

bool IsBase(const xml::Node& element) {
  std::string type = AttributeOrEmpty(element, "Type");
  return type == "Base" || type == "UnweightedBase";
}

}  // namespace

void CTableRender::PopulateAxes(TableState& table) {
  table.side_leaves.clear();
  table.top_leaves.clear();
  ExcelWorksheet& sheet = *table.sheet;
  const std::int64_t x = table.x;
  const std::int64_t y = table.y;

  if (table.side_axis && table.side_depth > 0) {
    table.data_offset = 0;
    table.worksheet_offset = table.top_depth;
    // Text format keeps labels such as "10-15" from turning into dates.
    CellRange range =
        RequireSheetRange("PopulateAxes", y + 1, x + 1,
                          y + table.top_depth + table.rows * table.table_cell_items, x + table.side_depth);
    sheet.SetNumberFormat(range, kTextFormat);
    for (const xml::Node& heading : queries_.AxisHeadings(*table.side_axis)) {
      std::string name = AttributeOrEmpty(heading, "Name");
      std::optional<xml::Node> sub_axis = queries_.SubAxisNamed(*table.side_axis, name);
      if (!sub_axis) RaiseLogicError("PopulateAxes", std::string(kFailedToFindSubAxis) + name);
      PopulateAxisTraverse(table, *sub_axis, 0, true, AxisKind::kSide);
    }
    if (settings_.display_borders) sheet.SetBorder(range, BorderEdge::kRight, Border{});
    RefreshScreen();
  }
  if (table.top_axis && table.top_depth > 0) {
    table.data_offset = 0;
    table.worksheet_offset = table.side_depth;
    CellRange range = RequireSheetRange("PopulateAxes", y + 1, x + 1, y + table.top_depth,
                                        x + table.side_depth + table.columns);
    sheet.SetNumberFormat(range, kTextFormat);
    for (const xml::Node& heading : queries_.AxisHeadings(*table.top_axis)) {
      std::string name = AttributeOrEmpty(heading, "Name");
      std::optional<xml::Node> sub_axis = queries_.SubAxisNamed(*table.top_axis, name);
      if (!sub_axis) RaiseLogicError("PopulateAxes", std::string(kFailedToFindSubAxis) + name);
      PopulateAxisTraverse(table, *sub_axis, 0, true, AxisKind::kTop);
    }
    if (settings_.display_borders) sheet.SetBorder(range, BorderEdge::kBottom, Border{});
    RefreshScreen();
  }
  // A table without a side (top) axis has one row (column) of values.
  if (!table.side_axis) table.side_leaves.push_back(Leaf{0, false, std::nullopt});
  if (!table.top_axis) table.top_leaves.push_back(Leaf{0, false, std::nullopt});
}

void CTableRender::PopulateAxisTraverse(TableState& table, const xml::Node& axis, std::int64_t parent_heading,
                                        bool parent_has_values, AxisKind kind) {
  if (axis.Name() != "Axis") RaiseLogicError("PopulateAxisTraverse", "Invalid node");
  const bool top = kind == AxisKind::kTop;
  const std::int64_t cells_per_leaf = top ? 1 : table.table_cell_items;
  const std::int64_t variable_width = cells_per_leaf * queries_.ShownLeafCount(axis);
  const std::int64_t shown_elements = queries_.ElementCount(axis, ElementRule::kShown);
  if (shown_elements == 0) {
    // Not laid out, but its values keep their places.
    table.data_offset += ValuedLeavesOfInstance(axis, parent_heading, parent_has_values);
    return;
  }
  const std::int64_t element_width = variable_width / shown_elements;
  const std::int64_t depth = (AxisQueries::AxisAncestorCount(axis) - 1) * 2;

  std::string text;
  if (settings_.use_variable_labels) text = AttributeOrEmpty(axis, "Label");
  if (text.empty()) text = AttributeOrEmpty(axis, "Name");
  CellRange label = top ? AddCell(table, table.worksheet_offset, depth, variable_width, 1, text,
                                  CellStyle::kVariableTextTop)
                        : AddCell(table, depth, table.worksheet_offset, 1, variable_width, text,
                                  CellStyle::kVariableTextSide);
  try {
    table.sheet->IgnoreNumberStoredAsText(label.first);
  } catch (const std::exception&) {
  }
  if (settings_.display_borders) DrawVariableBorder(table, depth, variable_width, kind);

  const std::vector<xml::Node>& sub_axes = queries_.SubAxes(axis);
  std::int64_t element_depth = 1;
  if (sub_axes.empty()) {
    element_depth = top ? table.top_depth - (depth + 1) - (table.column_headings ? 1 : 0)
                        : table.side_depth - (depth + 1);
  }
  const std::int64_t count = queries_.ElementCount(axis, ElementRule::kListed);
  const std::int64_t sub_axis_count = static_cast<std::int64_t>(sub_axes.size());
  for (std::int64_t i = 0; i < count; ++i) {
    const std::int64_t heading_index = count * parent_heading + i;
    xml::Node heading = axis;
    xml::Node element = ElementAt(axis, heading_index, heading);
    const bool has_values = HasCellValues(element) && parent_has_values;
    if (!IsShown(element)) {
      // A hidden element still holds the values of the leaves under it.
      table.data_offset += ValuedLeavesUnder(axis, heading_index, has_values);
      continue;
    }
    AddElementCell(table, element, depth, element_width, element_depth, kind);
    if (sub_axis_count > 0) {
      for (std::int64_t j = 0; j < sub_axis_count; ++j) {
        xml::Node sub_axis = SubAxisAt(axis, sub_axis_count * heading_index + j, "PopulateAxisTraverse");
        PopulateAxisTraverse(table, sub_axis, heading_index, has_values, kind);
      }
      continue;
    }
    if (top && table.column_headings) {
      if (std::optional<std::string> id = heading.Attribute("HeadingId")) {
        CellRange cell = AddCell(table, table.worksheet_offset, depth + element_depth + 1, element_width, 1,
                                 *id, CellStyle::kElementTextTop);
        CellFormat bold;
        bold.bold = true;
        table.sheet->SetFormat(cell, bold);
      }
    }
    Leaf leaf;
    leaf.data_index = has_values ? table.data_offset++ : -1;
    leaf.single_value = heading.Attribute("IsSingleValue").value_or("") == "true";
    leaf.element = element;
    (top ? table.top_leaves : table.side_leaves).push_back(leaf);
    table.worksheet_offset += cells_per_leaf;
  }
}

void CTableRender::AddElementCell(TableState& table, const xml::Node& element, std::int64_t depth,
                                  std::int64_t element_width, std::int64_t element_depth, AxisKind kind) {
  const bool top = kind == AxisKind::kTop;
  bool use_label = top && table.profile ? settings_.use_variable_labels : settings_.use_element_labels;
  std::string text = AttributeOrEmpty(element, use_label ? "Label" : "Name");
  CellRange cell = top ? AddCell(table, table.worksheet_offset, depth + 1, element_width, element_depth, text,
                                 CellStyle::kElementTextTop)
                       : AddCell(table, depth + 1, table.worksheet_offset, element_depth, element_width, text,
                                 CellStyle::kElementTextSide);
  ExcelWorksheet& sheet = *table.sheet;
  try {
    sheet.IgnoreNumberStoredAsText(cell.first);
  } catch (const std::exception&) {
  }
  if (IsBase(element)) {
    CellFormat bold;
    bold.bold = true;
    sheet.SetFormat(cell, bold);
  }
  std::int64_t level = AxisQueries::SubElementsAncestorCount(element);
  if (level > 0) {
    level = std::min(level, conMaxNetLevels);
    CellFormat net;
    net.font_size = std::max(conMinSubElementFontSize, 8.0 - static_cast<double>(level) / 2.0);
    net.italic = level % 2 == 1;
    try {
      sheet.SetFormat(cell, net);
    } catch (const std::exception&) {
    }
    if (!top) {
      CellFormat indent;
      indent.indent_level = static_cast<std::int32_t>(level);
      sheet.SetFormat(cell, indent);
    }
  }
}

void CTableRender::DrawVariableBorder(TableState& table, std::int64_t depth, std::int64_t width,
                                      AxisKind kind) {
  const std::int64_t x = table.x;
  const std::int64_t y = table.y;
  const std::int64_t offset = table.worksheet_offset;
  if (kind == AxisKind::kSide) {
    CellRange range =
        RequireSheetRange("PopulateAxisTraverse", y + offset + 1, depth == 0 ? x + 1 : x + depth,
                          y + offset + width, x + table.side_depth + table.columns);
    table.sheet->SetBorder(range, BorderEdge::kTop, Border{});
  } else {
    CellRange range =
        RequireSheetRange("PopulateAxisTraverse", depth == 0 ? y + 1 : y + depth, x + offset + 1,
                          y + table.top_depth + table.rows * table.table_cell_items, x + offset + width);
    table.sheet->SetBorder(range, BorderEdge::kLeft, Border{});
  }
}

xml::Node CTableRender::ElementAt(const xml::Node& axis, std::int64_t heading_index, xml::Node& heading) {
  const std::vector<xml::Node>& headings = queries_.ElementHeadings(axis);
  if (heading_index < 0 || heading_index >= static_cast<std::int64_t>(headings.size())) {
    RaiseLogicError("GetElementFromHeading", "Failed to find element : ");
  }
  heading = headings[static_cast<std::size_t>(heading_index)];
  std::string missing;
  std::optional<xml::Node> element = AxisQueries::ElementOfHeading(axis, heading, missing);
  if (!element) RaiseLogicError("GetElementFromHeading", "Failed to find element : " + missing);
  return *element;
}

xml::Node CTableRender::SubAxisAt(const xml::Node& axis, std::int64_t index, std::string_view method) {
  const std::vector<xml::Node>& headings = queries_.AxisHeadings(axis);
  std::string name;
  if (index >= 0 && index < static_cast<std::int64_t>(headings.size())) {
    name = AttributeOrEmpty(headings[static_cast<std::size_t>(index)], "Name");
    if (std::optional<xml::Node> sub_axis = queries_.SubAxisNamed(axis, name)) return *sub_axis;
  }
  RaiseLogicError(method, std::string(kFailedToFindSubAxis) + name);
}

std::int64_t CTableRender::ValuedLeavesOfInstance(const xml::Node& axis, std::int64_t parent_heading,
                                                  bool parent_has_values) {
  if (!parent_has_values) return 0;
  const std::int64_t count = queries_.ElementCount(axis, ElementRule::kListed);
  std::int64_t leaves = 0;
  for (std::int64_t i = 0; i < count; ++i) {
    const std::int64_t heading_index = count * parent_heading + i;
    xml::Node heading = axis;
    xml::Node element = ElementAt(axis, heading_index, heading);
    leaves += ValuedLeavesUnder(axis, heading_index, HasCellValues(element));
  }
  return leaves;
}

std::int64_t CTableRender::ValuedLeavesUnder(const xml::Node& axis, std::int64_t heading_index,
                                             bool has_values) {
  if (!has_values) return 0;
  const std::int64_t sub_axis_count = static_cast<std::int64_t>(queries_.SubAxes(axis).size());
  if (sub_axis_count == 0) return 1;
  std::int64_t leaves = 0;
  for (std::int64_t j = 0; j < sub_axis_count; ++j) {
    xml::Node sub_axis = SubAxisAt(axis, sub_axis_count * heading_index + j, "PopulateAxisTraverse");
    leaves += ValuedLeavesOfInstance(sub_axis, heading_index, true);
  }
  return leaves;
}

}  // namespace tabulo::excel
