#include "scripts/excel/chart_table_cells.h"

#include "scripts/excel/axis_queries.h"
#include "scripts/excel/table_bounds.h"

namespace tabulo::excel {
namespace {

std::optional<CellRef> WithinTableBounds(std::int64_t row, std::int64_t column) {
  if (row < 1 || column < 1 || row > conMaxTableRows || column > conMaxTableColumns) return std::nullopt;
  return CellRef{static_cast<std::int32_t>(row), static_cast<std::int32_t>(column)};
}

}  // namespace

std::optional<CellRef> ChartTableCells::ValueCell(const ChartItem& a, const ChartItem& b,
                                                  std::int64_t k) const {
  const ChartItem& side = a.axis == TableAxis::kSide ? a : b;
  const ChartItem& top = a.axis == TableAxis::kSide ? b : a;
  // Split tables stand one under the other, one blank row between them.
  const std::int64_t row = table_.split_cells
                               ? table_.DefaultY() + side.index + (table_.top_depth + table_.rows + 1) * k + 1
                               : table_.DefaultY() + side.index * table_.table_cell_items + k + 1;
  return WithinTableBounds(row, table_.DefaultX() + top.index + 1);
}

const TableLeaf* ChartTableCells::LeafOf(const ChartItem& item) const {
  std::span<const TableLeaf> leaves = item.axis == TableAxis::kSide ? table_.side_leaves : table_.top_leaves;
  if (item.index < 0 || item.index >= static_cast<std::int64_t>(leaves.size())) return nullptr;
  const TableLeaf& leaf = leaves[static_cast<std::size_t>(item.index)];
  // A position that the layout gave another element reads nothing rather
  // than a neighbour's values.
  if (item.element && leaf.element != item.element) return nullptr;
  return &leaf;
}

std::string ChartTableCells::ValueText(const ChartItem& a, const ChartItem& b, std::int64_t k) const {
  if (k < 0 || !ValueCell(a, b, k)) return {};
  const ChartItem& side = a.axis == TableAxis::kSide ? a : b;
  const ChartItem& top = a.axis == TableAxis::kSide ? b : a;
  const TableLeaf* side_leaf = LeafOf(side);
  const TableLeaf* top_leaf = LeafOf(top);
  if (side_leaf == nullptr || top_leaf == nullptr || side_leaf->data_index < 0 || top_leaf->data_index < 0)
    return {};
  if (side_leaf->data_index >= static_cast<std::int64_t>(table_.value_rows.size())) return {};
  const xml::Node& row = table_.value_rows[static_cast<std::size_t>(side_leaf->data_index)];
  return AttributeOrEmpty(row, "c" + std::to_string(table_.cell_items * top_leaf->data_index + k + 1));
}

std::optional<CellRef> ChartTableCells::LabelCell(const ChartItem& item) const {
  if (!item.element) return std::nullopt;
  const std::int64_t depth = (AxisQueries::AxisAncestorCount(*item.element) - 1) * 2;
  if (item.axis == TableAxis::kTop) {
    return WithinTableBounds(table_.table_y + depth, table_.DefaultX() + item.index + 1);
  }
  const std::int64_t rows_per_leaf = table_.split_cells ? 1 : table_.table_cell_items;
  return WithinTableBounds(table_.DefaultY() + item.index * rows_per_leaf + 1, table_.table_x + depth);
}

std::string ChartTableCells::Formula(CellRef cell) const {
  return "='T" + std::to_string(table_.index) + "'!R" + std::to_string(cell.row) + "C" +
         std::to_string(cell.column);
}

}  // namespace tabulo::excel
