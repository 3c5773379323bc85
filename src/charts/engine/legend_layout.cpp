#include "charts/engine/legend_layout.h"

#include <algorithm>
#include <cmath>

namespace tabulo::charts::engine {
namespace {

std::size_t WholeCount(double value) {
  return value < 1.0 ? 0 : static_cast<std::size_t>(std::floor(value));
}

double KeyWidth(const LegendMetrics& metrics) { return metrics.key_width + metrics.key_gap; }

}  // namespace

LegendLayout LayoutRightLegend(std::span<const double> text_widths, double max_width, double max_height,
                               const LegendMetrics& m) {
  LegendLayout layout;
  std::size_t count = text_widths.size();
  std::size_t rows = WholeCount((max_height - 2.0 * m.padding) / m.row_height);
  if (count == 0 || rows == 0) return layout;
  double column_room = max_width - 2.0 * m.padding;
  std::size_t columns = (count + rows - 1) / rows;
  // Columns narrower than the least readable text are dropped, and their
  // entries with them.
  double per_column = m.key_width + m.key_gap + m.min_text_width + m.column_gap;
  std::size_t most_columns = std::max<std::size_t>(WholeCount((column_room + m.column_gap) / per_column), 1);
  columns = std::min(columns, most_columns);
  std::size_t shown = std::min(count, columns * rows);
  double text_room =
      (column_room - static_cast<double>(columns - 1) * m.column_gap) / static_cast<double>(columns) -
      KeyWidth(m);
  if (text_room <= 0.0) return layout;

  double x = m.padding;
  for (std::size_t column = 0; column < columns; ++column) {
    std::size_t first = column * rows;
    std::size_t end = std::min(shown, first + rows);
    double widest = 0.0;
    for (std::size_t i = first; i < end; ++i) widest = std::max(widest, std::min(text_widths[i], text_room));
    for (std::size_t i = first; i < end; ++i) {
      layout.places.push_back({x, m.padding + static_cast<double>(i - first) * m.row_height, widest});
    }
    x += KeyWidth(m) + widest + (column + 1 < columns ? m.column_gap : 0.0);
  }
  layout.width = x + m.padding;
  layout.height = 2.0 * m.padding + static_cast<double>(std::min(shown, rows)) * m.row_height;
  return layout;
}

LegendLayout LayoutBottomLegend(std::span<const double> text_widths, double max_width, double max_height,
                                const LegendMetrics& m) {
  LegendLayout layout;
  std::size_t most_rows = WholeCount((max_height - 2.0 * m.padding) / m.row_height);
  double row_room = max_width - 2.0 * m.padding;
  double text_room = row_room - KeyWidth(m);
  if (text_widths.empty() || most_rows == 0 || text_room <= 0.0) return layout;

  // Entries go into rows first; each row is centred once its width is known.
  std::vector<std::vector<LegendEntryPlace>> rows(1);
  std::vector<double> row_widths(1, 0.0);
  for (double text_width : text_widths) {
    double text = std::min(text_width, text_room);
    double entry = KeyWidth(m) + text;
    double needed = row_widths.back() == 0.0 ? entry : row_widths.back() + m.column_gap + entry;
    if (needed > row_room) {
      if (rows.size() == most_rows) break;
      rows.emplace_back();
      row_widths.push_back(0.0);
      needed = entry;
    }
    double x = needed - entry;
    rows.back().push_back({x, 0.0, text});
    row_widths.back() = needed;
  }
  for (std::size_t r = 0; r < rows.size(); ++r) {
    double offset = m.padding + std::floor((row_room - row_widths[r]) / 2.0);
    for (LegendEntryPlace place : rows[r]) {
      layout.places.push_back({place.x + offset, m.padding + static_cast<double>(r) * m.row_height,
                               place.text_width});
    }
  }
  layout.width = max_width;
  layout.height = 2.0 * m.padding + static_cast<double>(rows.size()) * m.row_height;
  return layout;
}

}  // namespace tabulo::charts::engine
