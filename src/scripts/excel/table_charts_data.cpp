#include "scripts/excel/chart_constants.h"
#include "scripts/excel/chart_elements.h"
#include "scripts/excel/chart_text.h"
#include "scripts/excel/table_bounds.h"
#include "scripts/excel/table_charts.h"

namespace tabulo::excel {
namespace {

CellRef At(std::int64_t row, std::int64_t column) {
  return CellRef{static_cast<std::int32_t>(row), static_cast<std::int32_t>(column)};
}

// The first base element of a block, as an item of the block's axis.
std::optional<ChartItem> FirstBase(const CChartBlock& block, TableAxis axis) {
  for (std::int64_t i = 0; i < block.ElementCount(); ++i) {
    if (IsChartBase(block.ElementNode(i))) {
      return ChartItem{axis, block.ElementIndex(i), block.ElementNode(i), block.ElementHeading(i)};
    }
  }
  return std::nullopt;
}

}  // namespace

bool TableCharts::OnChartSheet(std::int64_t row, std::int64_t column) const {
  // One row of category labels above at most 255 series.
  return row >= 1 && column >= 1 && column <= conMaxTableColumns && row <= conMaxTableRows &&
         row <= next_row_ + conMaxChartSeries + 1;
}

void TableCharts::WriteText(std::int64_t row, std::int64_t column, std::string_view text) {
  if (OnChartSheet(row, column)) sheet_->SetText(At(row, column), text);
}

void TableCharts::WriteLabel(std::int64_t row, std::int64_t column, const ChartItem& item,
                             std::string_view base) {
  if (!OnChartSheet(row, column)) return;
  const std::string heading = HeadingSuffix(item);
  if (item.element && heading.empty() && base.empty()) {
    // The label follows the table's heading cell.
    if (std::optional<CellRef> cell = cells_.LabelCell(item))
      sheet_->SetFormulaR1C1(At(row, column), cells_.Formula(*cell));
    return;
  }
  // The single category of an absent axis has no label.
  if (!item.element && item.axis == CategoryAxis()) return;
  sheet_->SetText(At(row, column), PlainText(exporter_, LabelOf(item)) + heading + std::string(base));
}

void TableCharts::WriteValues(std::int64_t row, std::int64_t first_column, const ChartItem& series,
                              const std::vector<ChartItem>& categories) {
  const std::int64_t cell_item = SeriesCellItem(series);
  for (std::size_t j = 0; j < categories.size(); ++j) {
    const std::int64_t column = first_column + static_cast<std::int64_t>(j);
    if (!OnChartSheet(row, column)) continue;
    std::optional<CellRef> cell = cells_.ValueCell(series, categories[j], cell_item);
    // Texts, asterisks and empty cells are no values: the chart shows a gap.
    if (!cell || !IsChartValue(cells_.ValueText(series, categories[j], cell_item))) continue;
    sheet_->SetFormulaR1C1(At(row, column), cells_.Formula(*cell));
  }
}

void TableCharts::FormatValues(std::int64_t first_row, std::int64_t first_column, std::int64_t last_row,
                               std::int64_t last_column, const ChartValueFormat& format) {
  if (!format.number_format) return;
  last_row = std::min(last_row, std::min(conMaxTableRows, next_row_ + conMaxChartSeries + 1));
  last_column = std::min(last_column, conMaxTableColumns);
  if (first_row > last_row || first_column > last_column || !OnChartSheet(first_row, first_column)) return;
  sheet_->SetNumberFormat(CellRange{At(first_row, first_column), At(last_row, last_column)},
                          *format.number_format);
}

std::int64_t TableCharts::SeriesCellItem(const ChartItem& series) const {
  return series.SingleValue() ? 0 : cell_items_.chart;
}

std::string TableCharts::HeadingSuffix(const ChartItem& item) const {
  if (!ShowsLetters() || !item.heading) return {};
  const std::string id = item.heading->Attribute("HeadingId").value_or("");
  return id.empty() ? std::string() : ": " + id;
}

std::string TableCharts::SeriesBase(const ChartItem& series, const CChartBlock* category_block) const {
  if (!settings_.charts.display_series_base || category_block == nullptr) return {};
  std::optional<ChartItem> base = FirstBase(*category_block, CategoryAxis());
  if (!base) return {};
  std::int64_t cell_item = base->SingleValue() ? 0 : cell_items_.base;
  if (series.SingleValue()) cell_item = 0;
  if (cell_item < 0) return {};
  const std::string value = cells_.ValueText(series, *base, cell_item);
  return value.empty() ? std::string() : " (" + value + ")";
}

std::string TableCharts::LastCategoryBase(const CChartBlock* series_block,
                                          const std::vector<ChartItem>& categories) const {
  if (!settings_.charts.display_last_category_base || series_block == nullptr || categories.empty())
    return {};
  std::optional<ChartItem> base = FirstBase(*series_block, SeriesAxis());
  const ChartItem& last = categories.back();
  if (!base || !last.element) return {};
  const std::int64_t cell_item = base->SingleValue() ? 0 : cell_items_.base;
  if (cell_item < 0) return {};
  const std::string value = cells_.ValueText(*base, last, cell_item);
  if (value.empty()) return {};
  return " (" + PlainText(exporter_, LabelOf(last)) + " : " + value + ")";
}

void TableCharts::LabelPoints(ExcelChart& chart, const std::vector<ChartItem>& series,
                              const std::vector<ChartItem>& categories, std::int64_t first_series,
                              std::int64_t first_point) {
  for (std::size_t y = 0; y < series.size(); ++y) {
    const std::int64_t series_number = first_series + static_cast<std::int64_t>(y);
    if (series_number > conMaxChartSeries) break;
    if (series[y].SingleValue()) continue;
    for (std::size_t x = 0; x < categories.size(); ++x) {
      const std::int64_t point = first_point + static_cast<std::int64_t>(x);
      if (point > conMaxTableColumns) break;
      if (categories[x].SingleValue()) continue;
      const std::string letters = cells_.ValueText(series[y], categories[x], cell_items_.col_prop);
      // A text beginning with "*" is a note, not test letters.
      if (letters.empty() || letters.front() == '*') continue;
      chart.SetPointDataLabel(static_cast<std::int32_t>(series_number), static_cast<std::int32_t>(point),
                              letters);
    }
  }
}

}  // namespace tabulo::excel
