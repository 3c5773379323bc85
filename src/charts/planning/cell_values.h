#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "tables/celement_heading.h"
#include "tables/ctable.h"

namespace tabulo::charts {

// A cell text as a chart value: an empty text is 0; with a locale id (not 0)
// the text without one trailing "%" is read with that locale's separators;
// when that fails, or without a locale, the leading decimal number of the
// text is taken ("45,5%" reads 45), and a text without one reads 0.
double CellNumber(std::string_view text, std::int32_t locale_id);

// The cell texts of a laid-out table, addressed by a series element and a
// category element. With rows as series the series element gives the row
// and the category element the column, otherwise the other way round. A
// missing element stands for the first row or column. A cell outside the
// table's rows or values reads as an empty text.
class CellValues {
 public:
  CellValues(const tables::CTable& table, bool rows_as_series, std::int32_t locale_id);

  std::string_view Text(const tables::CElementHeading* series, const tables::CElementHeading* category,
                        std::size_t item) const;
  double Number(const tables::CElementHeading* series, const tables::CElementHeading* category,
                std::size_t item) const;

 private:
  const tables::CTable& table_;
  bool rows_as_series_;
  std::int32_t locale_id_;
};

// The cell item charted (an index into the table's cell items): the table's
// "ChartCellItem" property when it is a string naming an item the table
// has, else the first item of the setting's type, else the first Count,
// else the first item.
std::size_t ChartCellItemIndex(const tables::CTable& table, std::int32_t setting);

// The cell item that holds bases: the first when one of the elements
// concerned is single-valued, else the first Count, else the first
// UnweightedCounts; none when the table has neither.
std::optional<std::size_t> BaseCellItemIndex(const tables::CTable& table, bool single_valued);

}  // namespace tabulo::charts
