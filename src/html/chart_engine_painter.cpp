#include "html/chart_engine_painter.h"

#include <stdexcept>
#include <string>

#include "charts/engine/chart_builder.h"
#include "frame/vocabularies.h"

namespace tabulo::html {
namespace {

charts::ImageFormat FormatOf(std::string_view format) {
  if (frame::EqualsAsciiIgnoringCase(format, "png")) return charts::ImageFormat::kPng;
  if (frame::EqualsAsciiIgnoringCase(format, "svg")) return charts::ImageFormat::kSvg;
  if (frame::EqualsAsciiIgnoringCase(format, "gif")) return charts::ImageFormat::kGif;
  throw std::invalid_argument("'" + std::string(format) +
                              "' is not a chart image format: use gif, png or svg");
}

}  // namespace

void PaintWithChartEngine(const charts::ChartDescription& chart, const std::filesystem::path& file,
                          std::string_view format) {
  charts::DrawChart(chart, file, FormatOf(format));
}

}  // namespace tabulo::html
