#include "html/grid.h"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "html/grid_cell.h"
#include "html/grid_headings.h"
#include "tables/ccell_item.h"
#include "tables/celement.h"
#include "tables/crows.h"
#include "tables/vocabularies.h"

namespace tabulo::html {
namespace {

using tables::CElementHeading;
using tables::CHeading;

// What the grid of one table needs to know throughout.
struct GridContext {
  const tables::CTable& table;
  const CRenderSettings& settings;
  CHtmlWriter& writer;
  const tables::CAxis* top;
  const tables::CAxis* side;
  int side_levels;
  int top_levels;
  int width;
  std::size_t cell_items;
  bool shows_values;
  // Value-cell classes by side element type (see ValueClassesFor).
  mutable std::vector<std::pair<std::optional<tables::ElementType>, std::vector<std::string>>> value_classes;

  void Cell(const GridCell& cell) const { WriteCell(writer, settings, cell); }
  void StartRow() const { writer.StartElement("tr"); }
  void EndRow() const { writer.EndElement("tr"); }
};

bool Visible(const CHeading& heading) { return heading.IsShown() && heading.GetSpan() != 0; }

// Ids are written only with IncludeElementIDs; without, nothing is built.
std::string IdOf(const GridContext& grid, const CHeading* heading, std::string_view prefix = {}) {
  if (!grid.settings.include_element_ids || heading == nullptr) return {};
  return std::string(prefix) + IdPath(*heading);
}

void RenderTop(const GridContext& grid, const CHeading& heading) {
  std::string id = IdOf(grid, &heading);
  if (heading.AsAxisHeading() != nullptr) {
    grid.Cell({heading.GetDisplayText(), heading.GetSpan(), 1, "Axis AxisLabelTop", id, nullptr,
               cell_flags::kHeading});
    return;
  }
  const CElementHeading& element = *heading.AsElementHeading();
  if (!element.IsShown()) return;
  int rowspan = element.IsLeaf() ? grid.top_levels - element.GetDepth() : 1;
  std::string css = ElementClass(element, true);
  grid.Cell({element.GetDisplayText(), element.GetSpan(), rowspan, css, id, element.Element()->Style(),
             cell_flags::kHeading});
}

void RenderTopRows(const GridContext& grid) {
  std::vector<const CHeading*> list = HeadingList(*grid.top, grid.settings);
  bool id_row = false;
  for (const CHeading* heading : list)
    id_row = id_row || (heading->IsLeaf() && Visible(*heading) && heading->HasHeadingId());
  int corner_height = grid.top_levels + (id_row ? 1 : 0);
  for (int level = 0; level < grid.top_levels; ++level) {
    grid.StartRow();
    if (level == 0 && grid.side != nullptr) {
      grid.Cell({"", grid.side_levels, corner_height, "None", "", nullptr, cell_flags::kHeading});
      if (!grid.settings.horizontal_side_axis) {
        int rowspan = grid.side->TotalSpan() + corner_height + 1;
        grid.Cell({"", 1, rowspan, "VerticalSpacer", "", nullptr, cell_flags::kSpacer});
      }
    }
    for (const CHeading* heading : list) {
      if (heading->GetDepth() == level && Visible(*heading)) RenderTop(grid, *heading);
    }
    grid.EndRow();
  }
  if (!id_row) return;
  grid.StartRow();
  for (const CHeading* heading : list) {
    if (heading->IsLeaf() && Visible(*heading)) {
      grid.Cell({heading->GetHeadingId(), 1, 1, "Axis AxisColumnHeading", "", nullptr, cell_flags::kHeading});
    }
  }
  grid.EndRow();
}

// The class of a value cell.
std::string ValueClass(std::size_t cell_items, std::size_t item, std::string_view item_name,
                       const CElementHeading* top_leaf, const CElementHeading* side_leaf) {
  std::string css = cell_items == 1          ? "Cell CellTopBottom CellItem"
                    : item == 0              ? "Cell CellTop CellItem"
                    : item + 1 == cell_items ? "Cell CellBottom CellItem"
                                             : "Cell CellMiddle CellItem";
  css += item_name;
  if (top_leaf != nullptr) {
    css += " CellElement";
    css += tables::ElementTypeName(top_leaf->Element()->Type());
  }
  if (side_leaf != nullptr &&
      (top_leaf == nullptr || side_leaf->Element()->Type() != top_leaf->Element()->Type())) {
    css += " CellElement";
    css += tables::ElementTypeName(side_leaf->Element()->Type());
  }
  return css;
}

// The classes of one row's value cells depend only on the side element's
// type, so each set is built and escaped once per table and type.
const std::vector<std::string>& ValueClassesFor(const GridContext& grid, const CElementHeading* side_leaf) {
  std::optional<tables::ElementType> type;
  if (side_leaf != nullptr) type = side_leaf->Element()->Type();
  for (const auto& [known, classes] : grid.value_classes) {
    if (known == type) return classes;
  }
  const std::vector<CElementHeading*>& top_leaves = grid.table.TopLeaves();
  std::vector<std::string> classes;
  classes.reserve(grid.cell_items * (top_leaves.size() + 1));
  for (std::size_t item = 0; item < grid.cell_items; ++item) {
    std::string_view item_name = tables::CellItemTypeName((*grid.table.CellItems())[item].Type());
    for (std::size_t leaf = 0; leaf <= top_leaves.size(); ++leaf) {
      const CElementHeading* top_leaf = leaf < top_leaves.size() ? top_leaves[leaf] : nullptr;
      std::string escaped;
      AppendEscapedXml(ValueClass(grid.cell_items, item, item_name, top_leaf, side_leaf), true, escaped);
      classes.push_back(std::move(escaped));
    }
  }
  return grid.value_classes.emplace_back(type, std::move(classes)).second;
}

void RenderCellLines(const GridContext& grid, const CElementHeading* side_leaf, tables::CRow values) {
  const std::vector<CElementHeading*>& top_leaves = grid.table.TopLeaves();
  const std::vector<std::string>& classes = ValueClassesFor(grid, side_leaf);
  std::string side_path = IdOf(grid, side_leaf);
  std::string id;
  for (std::size_t item = 0; item < grid.cell_items; ++item) {
    if (item > 0) grid.StartRow();
    std::string_view item_name = tables::CellItemTypeName((*grid.table.CellItems())[item].Type());
    std::size_t leaf = 0;
    for (std::size_t position = item; position < values.size(); position += grid.cell_items, ++leaf) {
      const CElementHeading* top_leaf = leaf < top_leaves.size() ? top_leaves[leaf] : nullptr;
      if (top_leaf != nullptr && !Visible(*top_leaf)) continue;
      const std::string& css = classes[item * (top_leaves.size() + 1) + std::min(leaf, top_leaves.size())];
      if (grid.settings.include_element_ids) {
        id = IdOf(grid, top_leaf);
        id.append("*").append(side_path).append("*").append(item_name);
      }
      grid.Cell({values[position], 1, 1, css, id, nullptr, cell_flags::kValue, true});
    }
    grid.EndRow();
  }
}

// Writes a side heading; true when a new row is due after it.
bool RenderSide(const GridContext& grid, const CHeading& heading) {
  std::string id = IdOf(grid, &heading, "*");
  if (const CElementHeading* element = heading.AsElementHeading()) {
    if (!element->IsShown()) return false;
    int colspan = element->IsLeaf() ? grid.side_levels - element->GetDepth() : 1;
    std::string css = ElementClass(*element, false);
    grid.Cell({element->GetDisplayText(), colspan, element->GetSpan(), css, id, element->Element()->Style(),
               cell_flags::kHeading});
    return true;
  }
  const std::string& text = heading.GetDisplayText();
  if (!grid.settings.horizontal_side_axis) {
    grid.Cell({text, 1, heading.GetSpan(), "Axis AxisLabelSide", id, nullptr, cell_flags::kHeading});
    return false;
  }
  if (!grid.settings.include_categories) {
    grid.Cell({text, 1, 1, "Axis AxisLabelHorizontalSide", id, nullptr, cell_flags::kHeading});
    return true;
  }
  grid.Cell({text, grid.width - heading.GetDepth(), 1, "Axis AxisLabelHorizontalSide", id, nullptr,
             cell_flags::kHeading});
  grid.EndRow();
  grid.StartRow();
  grid.Cell({"", 1, heading.GetSpan(), "Axis AxisLabelIndentSide", "", nullptr, cell_flags::kHeading});
  return true;
}

void RenderSideRows(const GridContext& grid) {
  const tables::CRows* rows = grid.table.Rows();
  std::size_t next_row = 0;
  auto take_row = [&]() {
    // Only a leaf that takes a value row needs one: a table whose last side
    // variable has no element headings is complete without.
    if (rows == nullptr || next_row >= rows->size()) throw MissingValueRowError();
    return (*rows)[next_row++];
  };
  bool row_due = true;
  for (const CHeading* heading : HeadingList(*grid.side, grid.settings)) {
    bool written = false;
    if (Visible(*heading)) {
      if (row_due) grid.StartRow();
      row_due = RenderSide(grid, *heading);
      written = true;
    }
    if (!heading->IsLeaf()) {
      if (written) row_due = false;
      continue;
    }
    if (!grid.shows_values) {
      if (written) {
        grid.EndRow();
        row_due = true;
      }
    } else if (written) {
      RenderCellLines(grid, heading->AsElementHeading(), take_row());
      row_due = true;
    } else {
      take_row();
    }
  }
}

}  // namespace

void RenderGrid(const tables::CTable& table, const CRenderSettings& settings, CHtmlWriter& writer) {
  const tables::CAxis* top = table.TopAxis();
  const tables::CAxis* side = table.SideAxis();
  int side_levels = side != nullptr ? side->LevelCount() : 0;
  std::size_t cell_items = table.CellItems() != nullptr ? table.CellItems()->size() : 0;
  bool shows_values = table.HasValues() && settings.include_categories && settings.include_cell_values;
  GridContext grid{table,
                   settings,
                   writer,
                   top,
                   side,
                   side_levels,
                   top != nullptr ? top->LevelCount() : 0,
                   (top != nullptr ? top->TotalSpan() : 1) + side_levels,
                   cell_items,
                   shows_values && cell_items > 0,
                   {}};

  writer.BeginElement("table");
  writer.AddAttribute("cellpadding", "0");
  writer.AddAttribute("cellspacing", "0");
  writer.StartElementWithAttributes();
  if (top != nullptr) {
    RenderTopRows(grid);
    if (side != nullptr || grid.shows_values) {
      grid.StartRow();
      grid.Cell({"", 1, 1, "HorizontalSpacer", "", nullptr, cell_flags::kSpacer});
      grid.EndRow();
    }
  }
  if (side != nullptr) {
    RenderSideRows(grid);
  } else if (top != nullptr && grid.shows_values && !table.Rows()->empty()) {
    grid.StartRow();
    RenderCellLines(grid, nullptr, (*table.Rows())[0]);
  }
  writer.EndElement("table");
}

void RenderAnnotations(const tables::CTable& table, const CRenderSettings& settings, CHtmlWriter& writer,
                       bool header) {
  const tables::CAnnotations* annotations = table.Annotations();
  std::size_t first = header ? 0 : 4;
  auto text = [&](std::size_t role) -> std::string_view {
    std::size_t place = first + role;
    if (annotations == nullptr || place >= annotations->size()) return {};
    return (*annotations)[place].Text();
  };
  bool title = !text(0).empty();
  bool left = !text(1).empty();
  bool center = !text(2).empty();
  bool right = !text(3).empty();
  if (!title && !left && !center && !right) return;
  std::string_view suffix = header ? "Header" : "Footer";
  auto cell = [&](std::size_t role, std::string_view name, int colspan) {
    std::string css = "Annotation " + std::string(name) + std::string(suffix);
    WriteCell(writer, settings, {text(role), colspan, 1, css, "", nullptr, cell_flags::kAnnotation});
  };
  writer.BeginElement("table");
  writer.AddAttribute("width", "100%");
  writer.AddAttribute("cellpadding", "0");
  writer.AddAttribute("cellspacing", "0");
  writer.StartElementWithAttributes();
  if (title) {
    writer.StartElement("tr");
    cell(0, "Title", 3);
    writer.EndElement("tr");
  }
  if (left || center || right) {
    writer.StartElement("tr");
    if (left || (center && right)) cell(1, "Left", 1);
    if (center) cell(2, "Center", 1);
    if (right || (left && center)) cell(3, "Right", 1);
    writer.EndElement("tr");
  }
  writer.EndElement("table");
}

}  // namespace tabulo::html
