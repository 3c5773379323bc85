#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "office/chart/data_label_position.h"

namespace tabulo::office {

// Where a chart's data lives: a formula of a sheet-qualified A1 range
// ("'T1_Ch'!$B$5:$D$5") and the values it showed when the chart was made,
// which readers that do not calculate draw from. An empty formula makes
// the cached values literal data.

// A series name.
struct SeriesName {
  std::string formula{};
  std::string text{};

  friend bool operator==(const SeriesName&, const SeriesName&) = default;
};

// Category labels, one text per point ("" where a cell shows nothing). With
// several header rows the labels form levels: `levels` runs from the outer
// level (the first row) to the inner one (the row next to the values); an
// outer label spans the points up to the next label of its level.
struct CategoryLabels {
  std::string formula{};
  std::vector<std::vector<std::string>> levels{};

  std::size_t PointCount() const { return levels.empty() ? 0 : levels.back().size(); }
  friend bool operator==(const CategoryLabels&, const CategoryLabels&) = default;
};

// Values, one per point; nullopt where a cell holds no number (a gap).
struct SeriesValues {
  std::string formula{};
  std::string format_code = "General";
  std::vector<std::optional<double>> numbers{};

  friend bool operator==(const SeriesValues&, const SeriesValues&) = default;
};

// A data label with a text of its own on one point. A position the chart
// type does not allow is not written (the application's default applies).
struct PointLabel {
  std::string text{};
  std::optional<DataLabelPosition> position{};

  friend bool operator==(const PointLabel&, const PointLabel&) = default;
};

// One series: name, categories and values, and the labels set on single
// points (by 0-based point index).
struct ChartSeries {
  SeriesName name{};
  CategoryLabels categories{};
  SeriesValues values{};
  std::map<std::size_t, PointLabel> point_labels{};

  friend bool operator==(const ChartSeries&, const ChartSeries&) = default;
};

}  // namespace tabulo::office
