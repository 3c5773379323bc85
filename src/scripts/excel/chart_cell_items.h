#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "scripts/excel/chart_settings.h"
#include "xml/document.h"

namespace tabulo::excel {

// The cell items the charts of a table read: indexes into the table's
// CellItems, -1 for an item the table lacks.
struct ChartCellItems {
  std::int64_t chart = 0;            // the charted values
  std::string chart_type;            // its Type
  std::int64_t chart_decimals = -1;  // its Decimals, -1 when not given
  std::int64_t base = -1;            // bases appended to labels
  std::int64_t col_prop = -1;        // column-proportion test letters
};

// Picks the chart cell item: the first found of the table's ChartCellItem
// property, the export's ChartCellItem, "Count", else the first item (types
// compared without regard to letter case). The base item ("Count", else
// "UnweightedCounts") only when bases are shown, the column-proportion item
// only with ChartColPropResults. A table without cell items raises
// "CRenderTable.GetChartCellItems: Table has no cell items".
ChartCellItems GetChartCellItems(std::span<const xml::Node> cell_items,
                                 const std::optional<std::string>& table_chart_cell_item,
                                 const ChartSettings& settings);

// A Decimals attribute; -1 when absent or not a number.
std::int64_t DecimalsAttribute(const xml::Node& node);

}  // namespace tabulo::excel
