// Drawing and encoding one 600 by 300 chart of 10 series over 20 categories,
// in each picture format.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "charts/chart_description.h"
#include "charts/engine/chart_builder.h"

namespace {

using tabulo::charts::ChartDescription;
using tabulo::charts::ImageFormat;

ChartDescription TenSeriesOverTwentyCategories(std::int32_t type) {
  ChartDescription chart;
  chart.type = type;
  chart.title = "Satisfaction by region";
  chart.category_axis_title = "Region";
  chart.value_axis_title = "Column %";
  chart.number_format = {true, false, 1};
  chart.legend = {true, tabulo::charts::legend_position::kRight};
  for (int category = 1; category <= 20; ++category) chart.categories.push_back("Region " + std::to_string(category));
  for (int series = 1; series <= 10; ++series) {
    tabulo::charts::ChartSeries values{"Answer " + std::to_string(series), {}};
    for (int category = 1; category <= 20; ++category) values.values.push_back((series * 7 + category * 3) % 40 + 0.5);
    chart.series.push_back(std::move(values));
  }
  return chart;
}

void DrawOne(benchmark::State& state, std::int32_t type, ImageFormat format, const char* extension) {
  const ChartDescription chart = TenSeriesOverTwentyCategories(type);
  const std::filesystem::path path = std::filesystem::temp_directory_path() / (std::string("tabulo-bench-chart") + extension);
  for (auto _ : state) benchmark::DoNotOptimize(tabulo::charts::DrawChart(chart, path, format));
  std::filesystem::remove(path);
}

void BM_ColumnGif(benchmark::State& state) {
  DrawOne(state, tabulo::charts::chart_type::kColumnClustered, ImageFormat::kGif, ".gif");
}
void BM_ColumnPng(benchmark::State& state) {
  DrawOne(state, tabulo::charts::chart_type::kColumnClustered, ImageFormat::kPng, ".png");
}
void BM_ColumnSvg(benchmark::State& state) {
  DrawOne(state, tabulo::charts::chart_type::kColumnClustered, ImageFormat::kSvg, ".svg");
}
void BM_3DColumnGif(benchmark::State& state) {
  DrawOne(state, tabulo::charts::chart_type::k3DColumnClustered, ImageFormat::kGif, ".gif");
}
void BM_3DColumnPng(benchmark::State& state) {
  DrawOne(state, tabulo::charts::chart_type::k3DColumnClustered, ImageFormat::kPng, ".png");
}
void BM_LineMarkersGif(benchmark::State& state) {
  DrawOne(state, tabulo::charts::chart_type::kLineMarkers, ImageFormat::kGif, ".gif");
}
void BM_LineMarkersPng(benchmark::State& state) {
  DrawOne(state, tabulo::charts::chart_type::kLineMarkers, ImageFormat::kPng, ".png");
}

BENCHMARK(BM_ColumnGif)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ColumnPng)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ColumnSvg)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_3DColumnGif)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_3DColumnPng)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_LineMarkersGif)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_LineMarkersPng)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
