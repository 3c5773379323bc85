#include "scripts/excel/chart_constants.h"
#include "scripts/excel/chart_titles.h"
#include "scripts/excel/table_charts.h"

namespace tabulo::excel {

void TableCharts::ProduceVariableCharts(bool special) {
  for (const BlockPair& pair : BlockPairs()) {
    if (special && pair.series == nullptr) continue;
    std::vector<ChartItem> categories = CategoryItems(pair.category);
    std::vector<ChartItem> series = SeriesItems(pair.series, special);
    if (categories.empty() || series.empty()) continue;
    if (!CountChart()) continue;
    // One column of series names beside at most 255 categories; one row of
    // category labels above at most 254 series.
    if (static_cast<std::int64_t>(categories.size()) > conMaxChartSeries) {
      categories.resize(static_cast<std::size_t>(conMaxChartSeries));
    }
    if (static_cast<std::int64_t>(series.size()) > conMaxChartSeries - 1) {
      series.resize(static_cast<std::size_t>(conMaxChartSeries - 1));
    }
    const std::int64_t category_count = static_cast<std::int64_t>(categories.size());
    const std::int64_t series_count = static_cast<std::int64_t>(series.size());
    const ChartValueFormat format = SeriesValueFormat(series);

    for (std::int64_t j = 0; j < category_count; ++j) {
      WriteLabel(next_row_ + 1, 2 + j, categories[static_cast<std::size_t>(j)], "");
    }
    for (std::int64_t i = 0; i < series_count; ++i) {
      const ChartItem& item = series[static_cast<std::size_t>(i)];
      WriteLabel(next_row_ + 2 + i, 1, item, SeriesBase(item, pair.category));
      WriteValues(next_row_ + 2 + i, 2, item, categories);
    }
    FormatValues(next_row_ + 2, 2, next_row_ + 1 + series_count, category_count + 1, format);

    ExcelChart& chart = AddChart();
    ChartDressing dressing(look_, chart, exporter_);
    dressing.SetTypeOrTemplate();
    chart.SetSourceData(CellRange{{static_cast<std::int32_t>(next_row_ + 1), 1},
                                  {static_cast<std::int32_t>(next_row_ + series_count + 1),
                                   static_cast<std::int32_t>(category_count + 1)}});
    dressing.ApplyUserDefinedType();
    dressing.ClearDataLabels();
    if (ShowsLetters()) LabelPoints(chart, series, categories, 1, 1);

    chart.SetHasLegend(true);
    chart.SetLegendPosition(LegendPosition::kRight);
    const std::string series_name = pair.series ? pair.series->AxisName() : "Frequency";
    const std::string series_path = pair.series ? pair.series->AxisPath() : "";
    const std::string category_name = pair.category ? pair.category->AxisName() : "Frequency";
    const std::string category_path = pair.category ? pair.category->AxisPath() : "";
    dressing.SetChartTitle(WithPath(series_name, category_path));
    FormatValueAxis(chart, format, settings_.charts.format_percentage_axes);
    dressing.SetAxisLabel(ChartAxis::kValue, format.type);
    dressing.SetAxisLabel(ChartAxis::kCategory, WithPath(category_name, series_path));
    next_row_ += series_count + 2;
  }
}

}  // namespace tabulo::excel
