#include "office/chart/chart_source_data.h"

#include <algorithm>
#include <stdexcept>

#include "office/spreadsheet/number_display.h"

namespace tabulo::office {
namespace {

bool IsEmpty(const ChartCell& cell) { return std::holds_alternative<std::monostate>(cell.value); }
bool IsNumber(const ChartCell& cell) { return std::holds_alternative<double>(cell.value); }

std::string LabelOf(const ChartCell& cell) {
  if (const auto* text = std::get_if<std::string>(&cell.value)) return *text;
  if (const auto* number = std::get_if<double>(&cell.value))
    return DisplayedNumber(*number, cell.number_format);
  return {};
}

CellRef At(const CellRange& range, std::int32_t row_offset, std::int32_t column_offset) {
  return {range.first.row + row_offset, range.first.column + column_offset};
}

}  // namespace

std::string RangeFormula(std::string_view sheet_name, const CellRange& range) {
  std::string formula = "'";
  for (char c : sheet_name) {
    formula += c;
    if (c == '\'') formula += '\'';
  }
  formula += "'!";
  formula += RangeName(range, true);
  return formula;
}

SourceHeaders DetectSourceHeaders(const CellRange& range, const ChartCellLookup& lookup) {
  CheckRange(range);
  const auto rows = static_cast<std::int32_t>(range.RowCount());
  const auto columns = static_cast<std::int32_t>(range.ColumnCount());
  SourceHeaders headers{0, 0};
  while (headers.columns < columns - 1 && IsEmpty(lookup(At(range, 0, headers.columns)))) ++headers.columns;
  headers.columns = std::max(headers.columns, 1);
  const auto opens_with_header_row = [&](std::int32_t row) {
    for (std::int32_t column = 0; column < columns; ++column) {
      const ChartCell cell = lookup(At(range, row, column));
      if (column < headers.columns ? !IsEmpty(cell) : IsNumber(cell)) return false;
    }
    return true;
  };
  while (headers.rows < rows - 1 && opens_with_header_row(headers.rows)) ++headers.rows;
  headers.rows = std::max(headers.rows, 1);
  return headers;
}

std::vector<ChartSeries> SeriesFromRows(std::string_view sheet_name, const CellRange& range,
                                        const ChartCellLookup& lookup, std::optional<SourceHeaders> headers) {
  CheckRange(range);
  const SourceHeaders shape = headers.value_or(DetectSourceHeaders(range, lookup));
  const auto rows = static_cast<std::int32_t>(range.RowCount());
  const auto columns = static_cast<std::int32_t>(range.ColumnCount());
  if (shape.rows < 1 || shape.columns < 1 || shape.rows >= rows || shape.columns >= columns) {
    throw std::invalid_argument(
        "a chart's source range needs header rows and columns and values beside them");
  }
  const std::int32_t points = columns - shape.columns;
  const CellRef first_value = At(range, shape.rows, shape.columns);

  CategoryLabels categories;
  categories.formula =
      RangeFormula(sheet_name, {At(range, 0, shape.columns), {first_value.row - 1, range.last.column}});
  for (std::int32_t row = 0; row < shape.rows; ++row) {
    std::vector<std::string>& level = categories.levels.emplace_back();
    for (std::int32_t point = 0; point < points; ++point)
      level.push_back(LabelOf(lookup(At(range, row, shape.columns + point))));
  }

  std::vector<ChartSeries> series;
  for (std::int32_t row = shape.rows; row < rows; ++row) {
    ChartSeries& one = series.emplace_back();
    one.name.formula = RangeFormula(sheet_name, {At(range, row, 0), At(range, row, shape.columns - 1)});
    for (std::int32_t column = 0; column < shape.columns; ++column) {
      const std::string part = LabelOf(lookup(At(range, row, column)));
      if (part.empty()) continue;
      if (!one.name.text.empty()) one.name.text += ' ';
      one.name.text += part;
    }
    one.categories = categories;
    one.values.formula =
        RangeFormula(sheet_name, {At(range, row, shape.columns), At(range, row, columns - 1)});
    bool format_taken = false;
    for (std::int32_t point = 0; point < points; ++point) {
      const ChartCell cell = lookup(At(range, row, shape.columns + point));
      if (!IsNumber(cell)) {
        one.values.numbers.emplace_back();
        continue;
      }
      one.values.numbers.emplace_back(std::get<double>(cell.value));
      if (!format_taken) {
        one.values.format_code = cell.number_format.empty() ? "General" : cell.number_format;
        format_taken = true;
      }
    }
  }
  return series;
}

}  // namespace tabulo::office
