#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "office/chart/chart_series.h"
#include "office/spreadsheet/cell_reference.h"

namespace tabulo::office {

// What a cell of a chart's source range shows: nothing, a number or a text,
// with the cell's number format.
struct ChartCell {
  std::variant<std::monostate, double, std::string> value{};
  std::string number_format = "General";

  friend bool operator==(const ChartCell&, const ChartCell&) = default;
};

// Gives the cell at a position of the source sheet.
using ChartCellLookup = std::function<ChartCell(CellRef)>;

// How many rows at the top of a source range hold category labels and how
// many columns at its left hold series names.
struct SourceHeaders {
  std::int32_t rows = 1;
  std::int32_t columns = 1;

  friend bool operator==(const SourceHeaders&, const SourceHeaders&) = default;
};

// Finds the headers of a range with series in rows: the header columns are
// the empty cells that open the first row, the header rows the rows that
// open the range with nothing in the header columns and no number anywhere.
// At least one header row and column, and at least one row and column of
// values, are always left.
SourceHeaders DetectSourceHeaders(const CellRange& range, const ChartCellLookup& lookup);

// The series of a range of the sheet `sheet_name` with series in rows: the
// header rows give the category labels (levels, when several), the header
// columns each series' name (the texts of its cells joined by blanks), and
// each row below gives one series' values. Numbers shown as labels take
// their cell's number format; a value cell without a number is a gap; the
// values take the number format of their first number. Headers are found
// by DetectSourceHeaders unless given. Throws std::out_of_range for a range
// outside the sheet, std::invalid_argument for one without a row or column
// of values (or headers that leave none).
std::vector<ChartSeries> SeriesFromRows(std::string_view sheet_name, const CellRange& range,
                                        const ChartCellLookup& lookup,
                                        std::optional<SourceHeaders> headers = std::nullopt);

// "'T1_Ch'!$B$5:$D$5" ("'T1_Ch'!$A$5" for one cell): the sheet name always
// in apostrophes, with its own apostrophes doubled.
std::string RangeFormula(std::string_view sheet_name, const CellRange& range);

}  // namespace tabulo::office
