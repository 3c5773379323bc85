#include "scripts/excel/chart_cell_items.h"

#include <algorithm>
#include <charconv>

#include "scripts/excel/axis_queries.h"
#include "scripts/excel/logic_error.h"
#include "scripts/excel/text_case.h"

namespace tabulo::excel {
namespace {

// Excel shows at most 30 decimal places.
constexpr std::int64_t kMaxDecimals = 30;

std::string TypeOf(const xml::Node& cell_item) { return cell_item.Attribute("Type").value_or("Count"); }

std::int64_t IndexOfType(std::span<const xml::Node> cell_items, std::string_view type) {
  for (std::size_t i = 0; i < cell_items.size(); ++i) {
    if (EqualsIgnoringCase(TypeOf(cell_items[i]), type)) return static_cast<std::int64_t>(i);
  }
  return -1;
}

}  // namespace

std::int64_t DecimalsAttribute(const xml::Node& node) {
  const std::string text = AttributeOrEmpty(node, "Decimals");
  std::int64_t value = -1;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size() || text.empty() || value < 0) return -1;
  return std::min(value, kMaxDecimals);
}

ChartCellItems GetChartCellItems(std::span<const xml::Node> cell_items,
                                 const std::optional<std::string>& table_chart_cell_item,
                                 const ChartSettings& settings) {
  if (cell_items.empty()) RaiseLogicError("GetChartCellItems", "Table has no cell items");
  ChartCellItems items;
  std::int64_t chart = -1;
  if (table_chart_cell_item) chart = IndexOfType(cell_items, *table_chart_cell_item);
  if (chart < 0) chart = IndexOfType(cell_items, settings.cell_item);
  if (chart < 0) chart = IndexOfType(cell_items, "Count");
  if (chart < 0) chart = 0;
  items.chart = chart;
  const xml::Node& chart_item = cell_items[static_cast<std::size_t>(chart)];
  items.chart_type = TypeOf(chart_item);
  items.chart_decimals = DecimalsAttribute(chart_item);
  if (settings.display_series_base || settings.display_last_category_base) {
    items.base = IndexOfType(cell_items, "Count");
    if (items.base < 0) items.base = IndexOfType(cell_items, "UnweightedCounts");
  }
  if (settings.col_prop_results) items.col_prop = IndexOfType(cell_items, "ColPropResults");
  return items;
}

}  // namespace tabulo::excel
