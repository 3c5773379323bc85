#include <algorithm>

#include "scripts/excel/chart_constants.h"
#include "scripts/excel/chart_titles.h"
#include "scripts/excel/table_bounds.h"
#include "scripts/excel/table_charts.h"

namespace tabulo::excel {
namespace {

using ItemLists = std::vector<std::vector<ChartItem>>;

std::int64_t TotalOf(const ItemLists& lists) {
  std::int64_t total = 0;
  for (const std::vector<ChartItem>& list : lists) total += static_cast<std::int64_t>(list.size());
  return total;
}

// Keeps the first `limit` items over all lists, list after list.
void CutTo(ItemLists& lists, std::int64_t limit) {
  std::int64_t left = std::max<std::int64_t>(0, limit);
  for (std::vector<ChartItem>& list : lists) {
    if (static_cast<std::int64_t>(list.size()) > left) list.resize(static_cast<std::size_t>(left));
    left -= static_cast<std::int64_t>(list.size());
  }
}

}  // namespace

void TableCharts::ProduceTableChart(bool special) {
  const std::vector<CChartBlock>& series_blocks = SeriesBlocks();
  const std::vector<CChartBlock>& category_blocks = CategoryBlocks();
  if (special && series_blocks.empty()) return;
  ItemLists category_lists;
  ItemLists series_lists;
  if (category_blocks.empty()) category_lists.push_back(CategoryItems(nullptr));
  for (const CChartBlock& block : category_blocks) category_lists.push_back(CategoryItems(&block));
  if (series_blocks.empty()) series_lists.push_back(SeriesItems(nullptr, special));
  for (const CChartBlock& block : series_blocks) series_lists.push_back(SeriesItems(&block, special));
  if (TotalOf(category_lists) == 0 || TotalOf(series_lists) == 0) return;
  if (!CountChart()) return;

  const std::int64_t category_depth = category_blocks.size() > 1 ? 2 : 1;
  std::int64_t series_depth = 1;
  for (const CChartBlock& block : series_blocks) {
    if (!block.AxisElementPath().empty()) series_depth = 2;
  }
  std::vector<ChartItem> all_series;
  for (const std::vector<ChartItem>& list : series_lists)
    all_series.insert(all_series.end(), list.begin(), list.end());
  const ChartValueFormat format = SeriesValueFormat(all_series);
  CutTo(category_lists, conMaxTableColumns - series_depth);
  CutTo(series_lists, conMaxChartSeries - category_depth);
  const std::int64_t category_count = TotalOf(category_lists);
  const std::int64_t series_count = TotalOf(series_lists);

  const std::int64_t label_row = next_row_ + category_depth;
  std::int64_t x = 0;
  for (std::size_t b = 0; b < category_lists.size(); ++b) {
    const std::vector<ChartItem>& list = category_lists[b];
    if (category_depth == 2 && !list.empty()) {
      const CChartBlock& block = category_blocks[b];
      WriteText(next_row_ + 1, series_depth + 1 + x, BlockHeading(block.AxisName(), block.AxisPath()));
    }
    for (std::size_t j = 0; j < list.size(); ++j) {
      WriteLabel(label_row, series_depth + 1 + x + static_cast<std::int64_t>(j), list[j], "");
    }
    x += static_cast<std::int64_t>(list.size());
  }
  std::int64_t y = 0;
  for (std::size_t b = 0; b < series_lists.size(); ++b) {
    const std::vector<ChartItem>& list = series_lists[b];
    const std::int64_t first_row = label_row + 1 + y;
    if (!series_blocks.empty() && !list.empty() && !series_blocks[b].AxisElementPath().empty()) {
      WriteText(first_row, 1, series_blocks[b].AxisElementPath() + ",");
    }
    for (std::size_t i = 0; i < list.size(); ++i) {
      const std::int64_t row = first_row + static_cast<std::int64_t>(i);
      WriteLabel(row, series_depth, list[i], "");
      std::int64_t column = series_depth + 1;
      for (const std::vector<ChartItem>& categories : category_lists) {
        WriteValues(row, column, list[i], categories);
        column += static_cast<std::int64_t>(categories.size());
      }
    }
    y += static_cast<std::int64_t>(list.size());
  }
  FormatValues(label_row + 1, series_depth + 1, label_row + series_count, series_depth + category_count,
               format);

  ExcelChart& chart = AddChart();
  ChartDressing dressing(look_, chart, exporter_);
  dressing.SetTypeOrTemplate();
  chart.SetSourceData(CellRange{{static_cast<std::int32_t>(next_row_ + 1), 1},
                                {static_cast<std::int32_t>(label_row + series_count),
                                 static_cast<std::int32_t>(series_depth + category_count)}});
  if (category_depth == 2) chart.RemoveCategoryMajorTickMarks();
  dressing.ApplyUserDefinedType();
  dressing.ClearDataLabels();
  if (ShowsLetters()) {
    std::int64_t first_series = 1;
    for (const std::vector<ChartItem>& series : series_lists) {
      std::int64_t first_point = 1;
      for (const std::vector<ChartItem>& categories : category_lists) {
        LabelPoints(chart, series, categories, first_series, first_point);
        first_point += static_cast<std::int64_t>(categories.size());
      }
      first_series += static_cast<std::int64_t>(series.size());
    }
  }

  chart.SetHasLegend(true);
  chart.SetLegendPosition(LegendPosition::kRight);
  std::string title = AttributeOrEmpty(table_.node, "Description");
  if (title.empty()) title = AttributeOrEmpty(table_.node, "Name");
  dressing.SetChartTitle(title);
  FormatValueAxis(chart, format, settings_.charts.format_percentage_axes);
  dressing.SetAxisLabel(ChartAxis::kValue, format.type);
  std::string category_label;
  if (category_blocks.empty()) category_label = "Frequency";
  if (category_blocks.size() == 1) category_label = category_blocks.front().AxisName();
  dressing.SetAxisLabel(ChartAxis::kCategory, category_label);
  next_row_ += series_count + 2;
}

}  // namespace tabulo::excel
