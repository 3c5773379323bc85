#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "scripts/excel/chart_item.h"
#include "scripts/excel/chart_table.h"
#include "scripts/excel/excel_types.h"

namespace tabulo::excel {

// Where the charts find a table's values and labels on its worksheet, and
// what the values are. Cells beyond 65000 rows or 256 columns are out of
// reach: they have no position and read as "".
class ChartTableCells {
 public:
  explicit ChartTableCells(const ChartTable& table) : table_(table) {}

  // The worksheet cell of the value of cell item `k` where the row of one
  // item meets the column of the other (one of them stands on each axis).
  std::optional<CellRef> ValueCell(const ChartItem& a, const ChartItem& b, std::int64_t k) const;
  // The value the table shows in that cell, as the document gives it.
  std::string ValueText(const ChartItem& a, const ChartItem& b, std::int64_t k) const;
  // The worksheet cell that shows an element's label; none for the single
  // row or column of an absent axis.
  std::optional<CellRef> LabelCell(const ChartItem& item) const;

  // ='T1'!R5C3: a formula that refers to a cell of the table worksheet.
  std::string Formula(CellRef cell) const;

 private:
  const TableLeaf* LeafOf(const ChartItem& item) const;

  const ChartTable& table_;
};

}  // namespace tabulo::excel
