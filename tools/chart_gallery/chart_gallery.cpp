// Draws one sample chart of every chart type into a folder, with an
// index.html that shows them side by side: the contact sheet we look at
// when the drawing changes (tools/chart_gallery/make_contact_sheet.sh).

#include <cstdint>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "charts/chart_description.h"
#include "charts/engine/chart_builder.h"

namespace {

namespace chart_type = tabulo::charts::chart_type;
using tabulo::charts::ChartDescription;
using tabulo::charts::ChartSeries;
using tabulo::charts::ImageFormat;

struct GalleryEntry {
  std::int32_t type;
  std::string_view name;
};

constexpr GalleryEntry kEntries[] = {
    {chart_type::kColumnClustered, "Clustered column"},
    {chart_type::kColumnStacked, "Stacked column"},
    {chart_type::k3DColumnClustered, "3D clustered column"},
    {chart_type::k3DColumnStacked, "3D stacked column"},
    {chart_type::k3DColumn, "3D column"},
    {chart_type::kBarClustered, "Clustered bar"},
    {chart_type::kBarStacked, "Stacked bar"},
    {chart_type::k3DBarClustered, "3D clustered bar"},
    {chart_type::k3DBarStacked, "3D stacked bar"},
    {chart_type::kLine, "Line"},
    {chart_type::kLineStacked, "Stacked line"},
    {chart_type::kLineMarkers, "Line with markers"},
    {chart_type::kLineMarkersStacked100, "100% stacked line with markers"},
    {chart_type::kPie, "Pie"},
    {chart_type::k3DPie, "3D pie"},
    {chart_type::kPieExploded, "Separated pie"},
    {chart_type::k3DPieExploded, "3D separated pie"},
    {chart_type::kVariablePreview, "Variable preview"},
};

ChartDescription Sample(const GalleryEntry& entry) {
  ChartDescription chart;
  chart.type = entry.type;
  chart.title = std::string(entry.name) + ": Preferred brand by age";
  chart.category_axis_title = "Age";
  chart.value_axis_title = "Column %";
  chart.number_format = {true, false, 0};
  chart.legend = {true, tabulo::charts::legend_position::kRight};
  chart.categories = {"16-24", "25-34", "35-44", "45-54", "55-64", "65+"};
  const std::vector<std::vector<double>> values = {
      {34, 28, 25, 22, 18, 15}, {26, 30, 27, 25, 24, 20}, {22, 24, 28, 30, 31, 33}, {18, 18, 20, 23, 27, 32}};
  const std::vector<std::string> names = {"Brand A", "Brand B", "Brand C", "Other"};
  const bool one_series = chart_type::IsPie(entry.type) || entry.type == chart_type::kVariablePreview;
  for (std::size_t series = 0; series < (one_series ? 1 : names.size()); ++series) {
    chart.series.push_back({names[series], values[series]});
  }
  if (entry.type == chart_type::kVariablePreview) chart.legend.shown = false;
  return chart;
}

std::string_view ExtensionOf(ImageFormat format) {
  switch (format) {
    case ImageFormat::kGif: return ".gif";
    case ImageFormat::kPng: return ".png";
    case ImageFormat::kSvg: return ".svg";
  }
  return ".gif";
}

// The crowded cases: 30 categories with long labels, and 12 series.
ChartDescription ThirtyCategories() {
  ChartDescription chart;
  chart.type = chart_type::kColumnClustered;
  chart.title = "30 categories: Satisfaction with the service by region of residence";
  chart.category_axis_title = "Region of residence";
  chart.value_axis_title = "Mean score";
  chart.number_format = {false, false, 1};
  chart.legend = {true, tabulo::charts::legend_position::kBottom};
  ChartSeries series{"Mean score", {}};
  for (int category = 1; category <= 30; ++category) {
    chart.categories.push_back("Region number " + std::to_string(category));
    series.values.push_back(2.5 + (category * 37 % 23) / 10.0);
  }
  chart.series.push_back(std::move(series));
  return chart;
}

ChartDescription TwelveSeries() {
  ChartDescription chart;
  chart.type = chart_type::kLineMarkers;
  chart.title = "12 series: Awareness by month";
  chart.category_axis_title = "Month";
  chart.value_axis_title = "Row %";
  chart.number_format = {true, false, 0};
  chart.legend = {true, tabulo::charts::legend_position::kRight};
  chart.categories = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  for (int brand = 1; brand <= 12; ++brand) {
    ChartSeries series{"Brand " + std::to_string(brand), {}};
    for (int month = 0; month < 12; ++month) series.values.push_back(brand * 6 + (month * brand) % 7);
    chart.series.push_back(std::move(series));
  }
  return chart;
}

void WriteFigure(std::ostream& index, const std::filesystem::path& folder, const std::string& file,
                 const ChartDescription& chart, ImageFormat format, std::string_view caption) {
  const tabulo::charts::PictureSize size = tabulo::charts::DrawChart(chart, folder / file, format);
  index << "<figure><img src=\"" << file << "\" width=\"" << size.width << "\" height=\"" << size.height
        << "\"><figcaption>" << caption << "</figcaption></figure>\n";
}

void WriteGallery(const std::filesystem::path& folder, ImageFormat format) {
  std::filesystem::create_directories(folder);
  std::ofstream index(folder / "index.html");
  index << "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>Chart types</title>"
           "<style>body{margin:8px;font:13px sans-serif;background:#ddd}"
           "figure{display:inline-block;margin:4px;background:#fff;vertical-align:top}"
           "figcaption{padding:2px 6px}</style></head><body>\n";
  for (const GalleryEntry& entry : kEntries) {
    const std::string file = "chart" + std::to_string(entry.type < 0 ? 1000 - entry.type : entry.type) +
                             std::string(ExtensionOf(format));
    WriteFigure(index, folder, file, Sample(entry), format,
                std::string(entry.name) + " (" + std::to_string(entry.type) + ")");
  }
  const std::string extension(ExtensionOf(format));
  WriteFigure(index, folder, "crowded_categories" + extension, ThirtyCategories(), format, "30 categories");
  WriteFigure(index, folder, "crowded_series" + extension, TwelveSeries(), format, "12 series");
  index << "</body></html>\n";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::cerr << "usage: tabulo-chart-gallery FOLDER [gif|png|svg]\n";
    return 2;
  }
  const std::string_view format_name = argc == 3 ? argv[2] : "gif";
  ImageFormat format = ImageFormat::kGif;
  if (format_name == "png") format = ImageFormat::kPng;
  else if (format_name == "svg") format = ImageFormat::kSvg;
  else if (format_name != "gif") {
    std::cerr << "unknown picture format: " << format_name << "\n";
    return 2;
  }
  try {
    WriteGallery(argv[1], format);
  } catch (const std::exception& error) {
    std::cerr << error.what() << "\n";
    return 1;
  }
  return 0;
}
