#pragma once

#include <cstdint>
#include <optional>

namespace tabulo::charts::engine {

// How the values of a chart are laid out.
enum class ChartShape {
  kColumn,  // vertical bars, categories along the bottom
  kBar,     // horizontal bars, categories up the left side
  kLine,    // one line per series across the categories
  kPie,     // slices of the first series
};

// How the series of one category relate to each other.
enum class SeriesGrouping {
  kClustered,   // side by side from zero
  kStacked,     // on top of each other
  kStacked100,  // on top of each other as shares of the category's total
  kDepthRows,   // one behind the other (3D columns in rows)
};

// What a chart-type code asks to be drawn.
struct ChartKind {
  ChartShape shape = ChartShape::kColumn;
  SeriesGrouping grouping = SeriesGrouping::kClustered;
  bool three_d = false;
  bool markers = false;                 // lines: a marker at every point
  bool exploded = false;                // pies: slices pulled out of the centre
  bool first_category_on_top = false;   // bars: categories listed top-down

  friend bool operator==(const ChartKind&, const ChartKind&) = default;
};

// The kind of a chart-type code; nullopt for a code that draws nothing
// (no chart) or that is not a chart type at all.
std::optional<ChartKind> KindOfChartType(std::int32_t type);

}  // namespace tabulo::charts::engine
