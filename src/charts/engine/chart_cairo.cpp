#include "charts/engine/chart_cairo.h"

#include <string>
#include <system_error>

#include "charts/engine/chart_error.h"
#include "charts/engine/chart_kind.h"
#include "charts/engine/image_encoding.h"
#include "charts/engine/picture_sizing.h"
#include "platform/atomic_file.h"

namespace tabulo::charts {

CChartCairo::CChartCairo(std::int32_t chart_type) : height_(engine::kDefaultPictureHeight) {
  if (!engine::KindOfChartType(chart_type)) {
    throw ChartError("chart type " + std::to_string(chart_type) + " cannot be drawn");
  }
  chart_.type = chart_type;
}

void CChartCairo::SetTitle(std::string_view text) { chart_.title = text; }

void CChartCairo::SetCategoryAxisTitle(std::string_view text) { chart_.category_axis_title = text; }

void CChartCairo::SetValueAxisTitle(std::string_view text) { chart_.value_axis_title = text; }

void CChartCairo::SetNumberFormat(bool percentage, bool fixed_scale, std::int32_t decimals) {
  chart_.number_format = {percentage, fixed_scale, decimals};
}

void CChartCairo::SetLegend(bool shown, std::int32_t position) {
  chart_.legend.shown = shown;
  // A hidden legend keeps its place, as nothing asked to move it.
  if (shown) chart_.legend.position = position;
}

void CChartCairo::AddSeries(std::string_view name, std::span<const std::string> categories,
                            std::span<const double> values) {
  if (categories.size() > chart_.categories.size()) chart_.categories.assign(categories.begin(), categories.end());
  chart_.series.push_back({std::string(name), std::vector<double>(values.begin(), values.end())});
}

void CChartCairo::FitLegend() {
  std::size_t entries = chart_type::IsPie(chart_.type) ? chart_.categories.size() : chart_.series.size();
  height_ = engine::LegendFittedHeight(chart_.legend.shown, chart_.legend.position, entries);
}

PictureSize CChartCairo::ExportImage(const std::filesystem::path& path, ImageFormat format) const {
  PictureSize size = engine::ExportedPictureSize(height_);
  std::string bytes = engine::EncodeChart(chart_, size, format);
  try {
    platform::AtomicFile file(path);
    file.Write(bytes);
    file.Commit(true);
  } catch (const std::system_error& error) {
    throw ChartError("cannot write the chart picture \"" + path.string() + "\": " + error.code().message());
  }
  return size;
}

std::unique_ptr<CChartBase> CreateChart(std::int32_t chart_type) {
  return std::make_unique<CChartCairo>(chart_type);
}

PictureSize DrawChart(const ChartDescription& chart, const std::filesystem::path& path, ImageFormat format) {
  std::unique_ptr<CChartBase> builder = CreateChart(chart.type);
  if (!chart.title.empty()) builder->SetTitle(chart.title);
  if (!chart.category_axis_title.empty()) builder->SetCategoryAxisTitle(chart.category_axis_title);
  if (!chart.value_axis_title.empty()) builder->SetValueAxisTitle(chart.value_axis_title);
  const ChartNumberFormat& format_of_values = chart.number_format;
  builder->SetNumberFormat(format_of_values.percentage, format_of_values.fixed_scale, format_of_values.decimals);
  builder->SetLegend(chart.legend.shown, chart.legend.position);
  for (const ChartSeries& series : chart.series) builder->AddSeries(series.name, chart.categories, series.values);
  builder->FitLegend();
  return builder->ExportImage(path, format);
}

}  // namespace tabulo::charts
