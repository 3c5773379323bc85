#include <algorithm>
#include <charconv>

#include "scripts/excel/ctable_render.h"
#include "scripts/excel/number_formats.h"
#include "scripts/excel/sheet_range.h"

namespace tabulo::excel {
namespace {

// Excel shows at most 30 decimal places.
constexpr std::int64_t kMaxDecimals = 30;

bool IsBase(const std::optional<xml::Node>& element) {
  if (!element) return false;
  std::string type = AttributeOrEmpty(*element, "Type");
  return type == "Base" || type == "UnweightedBase";
}

// A Decimals attribute; -1 (not given) when absent or not a number.
std::int64_t DecimalsOf(const std::optional<xml::Node>& node) {
  if (!node) return -1;
  std::string text = AttributeOrEmpty(*node, "Decimals");
  std::int64_t value = -1;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size() || text.empty()) return -1;
  return std::min(value, kMaxDecimals);
}

std::optional<int> SetDecimals(std::int64_t decimals) {
  if (decimals < 0) return std::nullopt;
  return static_cast<int>(decimals);
}

}  // namespace

std::string CTableRender::CellItemType(const TableState& table, std::int64_t item) const {
  if (item < 0 || item >= static_cast<std::int64_t>(table.cell_item_nodes.size())) return "Count";
  return table.cell_item_nodes[static_cast<std::size_t>(item)].Attribute("Type").value_or("Count");
}

std::int64_t CTableRender::CellItemDecimals(const TableState& table, std::int64_t item) const {
  if (item < 0 || item >= static_cast<std::int64_t>(table.cell_item_nodes.size())) return -1;
  return DecimalsOf(table.cell_item_nodes[static_cast<std::size_t>(item)]);
}

std::string CTableRender::ValueOf(const TableState& table, const Leaf& side, std::int64_t position) {
  if (side.data_index < 0 || side.data_index >= static_cast<std::int64_t>(table.value_rows.size())) return {};
  const xml::Node& row = table.value_rows[static_cast<std::size_t>(side.data_index)];
  return AttributeOrEmpty(row, "c" + std::to_string(position));
}

void CTableRender::PopulateCellValues(TableState& table) {
  ExcelWorksheet& sheet = *table.sheet;
  const std::int64_t items = table.table_cell_items;
  const std::int64_t first_row = table.y + table.top_depth + 1;
  const std::int64_t first_column = table.x + table.side_depth + 1;
  const std::int64_t last_column = table.x + table.side_depth + table.columns;
  ApplyStyle(sheet,
             RequireSheetRange("PopulateCellValues", first_row, first_column,
                               table.y + table.top_depth + table.rows * items, last_column),
             CellStyle::kValue);
  CellFormat bold;
  bold.bold = true;

  for (std::size_t r = 0; r < table.side_leaves.size(); ++r) {
    const Leaf& side = table.side_leaves[r];
    const std::int64_t leaf_row = first_row + static_cast<std::int64_t>(r) * items;
    if (IsBase(side.element)) {
      sheet.SetFormat(
          RequireSheetRange("PopulateCellValues", leaf_row, first_column, leaf_row + items - 1, last_column),
          bold);
    }
    const std::int64_t side_decimals = DecimalsOf(side.element);
    for (std::size_t c = 0; c < table.top_leaves.size(); ++c) {
      const Leaf& top = table.top_leaves[c];
      if (r == 0 && IsBase(top.element)) {
        std::int64_t column = first_column + static_cast<std::int64_t>(c);
        sheet.SetFormat(RequireSheetRange("PopulateCellValues", first_row, column,
                                          table.y + table.top_depth + table.rows * items, column),
                        bold);
      }
      const std::int64_t top_decimals = DecimalsOf(top.element);
      std::int64_t k = 0;
      for (std::int64_t t = 0; t < items; ++t) {
        // In a split table the current item is never the test letters.
        if (table.merging && !settings_.split_cells && t == table.col_prop_index) ++k;
        const std::int64_t item = k + table.current_cell_item;
        // The row's format does not wait for a first column that has values.
        if (c == 0 && side.data_index >= 0)
          FormatValueRow(table, static_cast<std::int64_t>(r), t, item, side, side_decimals);
        if (side.data_index >= 0 && top.data_index >= 0) {
          std::string cell_type;
          std::optional<int> cell_decimals;
          if (top_decimals > 0) {
            if (side.single_value || top.single_value) {
              if (t == 0) cell_decimals = SetDecimals(std::max(top_decimals, side_decimals));
            } else {
              cell_type = CellItemType(table, item);
              cell_decimals = SetDecimals(std::max(top_decimals, side_decimals));
            }
          }
          std::string value = ValueOf(table, side, table.cell_items * top.data_index + item + 1);
          if (table.merging && t == 0) {
            value += ValueOf(table, side, table.cell_items * top.data_index + table.col_prop_index + 1);
          }
          CellRange cell = AddCell(table, table.side_depth + static_cast<std::int64_t>(c),
                                   static_cast<std::int64_t>(r) * items + table.top_depth + t, 1, 1, value,
                                   std::nullopt, true, cell_decimals.value_or(0) > 0);
          if (top_decimals > 0) {
            sheet.SetNumberFormat(cell, CellValueFormat(cell_decimals, IsPercentageType(cell_type) &&
                                                                           table.show_percent_signs));
          }
        }
        ++k;
      }
    }
    RefreshScreen();
  }
}

void CTableRender::FormatValueRow(TableState& table, std::int64_t r, std::int64_t t, std::int64_t item,
                                  const Leaf& side, std::int64_t side_decimals) {
  ExcelWorksheet& sheet = *table.sheet;
  const std::int64_t row = table.y + table.top_depth + r * table.table_cell_items + t + 1;
  CellRange range = RequireSheetRange("PopulateCellValues", row, table.x + table.side_depth + 1, row,
                                      table.x + table.side_depth + table.columns);
  const std::string type = side.single_value ? std::string() : CellItemType(table, item);
  const std::int64_t item_decimals = CellItemDecimals(table, item);
  const std::optional<int> decimals = SetDecimals(side_decimals >= 0 ? side_decimals : item_decimals);
  if (IsPercentageType(type)) {
    CellFormat italic;
    italic.italic = true;
    sheet.SetFormat(range, italic);
    if (decimals) sheet.SetNumberFormat(range, ValueFormat(*decimals, table.show_percent_signs));
  } else if (type == "ProfileResult") {
    CellFormat left;
    left.horizontal = HorizontalAlignment::kLeft;
    sheet.SetFormat(range, left);
  } else {
    std::optional<int> other = decimals;
    if (side.single_value) other = t == 0 ? SetDecimals(side_decimals) : std::nullopt;
    if (other) sheet.SetNumberFormat(range, FixedDecimalsFormat(*other));
  }
}

}  // namespace tabulo::excel
