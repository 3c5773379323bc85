#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "scripts/excel/table_leaf.h"
#include "xml/document.h"

namespace tabulo::excel {

// What the charts of a table read of the table as it was laid out on its
// worksheet. Offsets are 0-based; the spans stay valid while the charts run.
struct ChartTable {
  explicit ChartTable(xml::Node table) : node(table) {}

  xml::Node node;
  std::int32_t index = 1;  // the worksheet is "T" followed by it
  std::optional<xml::Node> side_axis;
  std::optional<xml::Node> top_axis;
  std::int64_t table_x = 0;  // where the table body begins
  std::int64_t table_y = 0;
  std::int64_t side_depth = 0;
  std::int64_t top_depth = 0;
  std::int64_t rows = 1;              // shown side leaves
  std::int64_t cell_items = 1;        // values per cell in CellValues
  std::int64_t table_cell_items = 1;  // rows per side leaf on the worksheet
  bool split_cells = false;           // one table per cell item, one under the other
  bool show_percent_signs = true;
  std::span<const TableLeaf> side_leaves;
  std::span<const TableLeaf> top_leaves;
  std::span<const xml::Node> value_rows;
  std::span<const xml::Node> cell_item_nodes;

  // The origin of the values: their first column and row are one past these.
  std::int64_t DefaultX() const { return table_x + side_depth; }
  std::int64_t DefaultY() const { return table_y + top_depth; }
};

}  // namespace tabulo::excel
