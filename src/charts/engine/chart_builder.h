#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "charts/chart_description.h"
#include "charts/engine/image_format.h"
#include "charts/engine/picture_size.h"

namespace tabulo::charts {

// Builds one chart step by step and writes it as a picture. One builder per
// chart; the operations are called in the order they are declared. Every
// failure throws ChartError.
class CChartBase {
 public:
  CChartBase() = default;
  CChartBase(const CChartBase&) = delete;
  CChartBase& operator=(const CChartBase&) = delete;
  virtual ~CChartBase() = default;

  virtual void SetTitle(std::string_view text) = 0;
  virtual void SetCategoryAxisTitle(std::string_view text) = 0;
  virtual void SetValueAxisTitle(std::string_view text) = 0;
  // Decimals below 0 mean "general"; a percentage is shown with a literal
  // "%"; a percentage with a fixed scale runs its value axis from 0 to 100.
  virtual void SetNumberFormat(bool percentage, bool fixed_scale, std::int32_t decimals) = 0;
  // Position code 2 is the bottom, 4 the right.
  virtual void SetLegend(bool shown, std::int32_t position) = 0;
  // One series: its values, one per category; the chart's categories are
  // the longest list any series brings.
  virtual void AddSeries(std::string_view name, std::span<const std::string> categories,
                         std::span<const double> values) = 0;
  // Makes the picture tall enough for a long legend on the right.
  virtual void FitLegend() = 0;
  // Writes the picture (width from the height) to the path, replacing any
  // file there only once the new one is complete; returns its size.
  virtual PictureSize ExportImage(const std::filesystem::path& path, ImageFormat format) const = 0;

  virtual std::int32_t PictureHeight() const = 0;
  // What has been built so far.
  virtual const ChartDescription& Description() const = 0;
};

// The builder drawing with this engine, for a chart of the given type code.
// Throws ChartError for a code that is not a chart type of the vocabulary.
std::unique_ptr<CChartBase> CreateChart(std::int32_t chart_type);

// Builds and writes one chart in the builder's order (create, titles,
// number format, legend, series, fit legend, export) and returns the size
// of the picture written.
PictureSize DrawChart(const ChartDescription& chart, const std::filesystem::path& path, ImageFormat format);

}  // namespace tabulo::charts
