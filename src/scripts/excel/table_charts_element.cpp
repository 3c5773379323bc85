#include "scripts/excel/chart_constants.h"
#include "scripts/excel/chart_text.h"
#include "scripts/excel/chart_titles.h"
#include "scripts/excel/table_charts.h"

namespace tabulo::excel {

void TableCharts::ProduceElementCharts(bool special) {
  for (const BlockPair& pair : BlockPairs()) {
    if (pair.series == nullptr) {
      // Special elements need a series block of their own.
      if (!special) ProduceElementChart(pair, SeriesItems(nullptr, special).front());
      continue;
    }
    for (const ChartItem& series : SeriesItems(pair.series, special)) ProduceElementChart(pair, series);
  }
}

void TableCharts::ProduceElementChart(const BlockPair& pair, const ChartItem& series) {
  std::vector<ChartItem> categories = CategoryItems(pair.category);
  if (categories.empty()) return;
  if (!CountChart()) return;
  const std::string last_category_base = LastCategoryBase(pair.series, categories);
  if (static_cast<std::int64_t>(categories.size()) > conMaxChartSeries) {
    categories.resize(static_cast<std::size_t>(conMaxChartSeries));
  }
  const std::int64_t count = static_cast<std::int64_t>(categories.size());
  const std::int64_t label_row = next_row_ + 1;
  const std::int64_t value_row = next_row_ + 2;

  for (std::int64_t j = 0; j < count; ++j)
    WriteLabel(label_row, 2 + j, categories[static_cast<std::size_t>(j)], "");
  WriteText(value_row, 1, PlainText(exporter_, LabelOf(series)) + last_category_base);
  WriteValues(value_row, 2, series, categories);
  const ChartValueFormat format = SeriesValueFormat({series});
  FormatValues(value_row, 2, value_row, count + 1, format);

  ExcelChart& chart = AddChart();
  ChartDressing dressing(look_, chart, exporter_);
  dressing.SetTypeOrTemplate();
  chart.SetSourceData(
      CellRange{{static_cast<std::int32_t>(label_row), 1},
                {static_cast<std::int32_t>(value_row), static_cast<std::int32_t>(count + 1)}});
  dressing.ApplyUserDefinedType();
  dressing.ClearDataLabels();
  if (ShowsLetters()) LabelPoints(chart, {series}, categories, 1, 1);

  if (dressing.IsPie()) {
    chart.SetHasLegend(true);
    chart.SetLegendPosition(LegendPosition::kRight);
  } else if (!last_category_base.empty()) {
    chart.SetHasLegend(true);
    chart.SetLegendPosition(LegendPosition::kBottom);
  } else if (!format.type.empty()) {
    chart.SetHasLegend(true);
    chart.SetLegendPosition(LegendPosition::kRight);
  } else {
    chart.SetHasLegend(false);
  }

  const std::string series_name = pair.series ? pair.series->AxisName() : "Frequency";
  const std::string series_path = pair.series ? pair.series->AxisPath() : "";
  const std::string category_name = pair.category ? pair.category->AxisName() : "Frequency";
  const std::string category_path = pair.category ? pair.category->AxisPath() : "";
  if (dressing.IsPie()) {
    const std::string category_title = WithPath(category_name, series_path);
    const std::string series_title = WithPath(
        pair.series ? series_name + ": " + LabelOf(series) : std::string("Frequency"), category_path);
    dressing.SetChartTitle(category_title + "\r" + series_title);
  } else {
    dressing.SetChartTitle(WithPath(series_name, category_path));
    FormatValueAxis(chart, format, settings_.charts.format_percentage_axes);
    dressing.SetAxisLabel(ChartAxis::kValue, format.type.empty() ? LabelOf(series) : format.type);
    dressing.SetAxisLabel(ChartAxis::kCategory, WithPath(category_name, series_path));
  }
  next_row_ += 3;
}

}  // namespace tabulo::excel
