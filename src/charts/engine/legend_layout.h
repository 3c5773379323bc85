#pragma once

#include <cstddef>
#include <span>
#include <vector>

namespace tabulo::charts::engine {

// Fixed measures of a legend, in pixels.
struct LegendMetrics {
  double key_width = 12.0;  // the colour swatch (or line sample)
  double key_gap = 6.0;     // between the key and the text
  double row_height = 18.0;
  double column_gap = 14.0;  // between columns (right) or entries (bottom)
  double padding = 6.0;      // around the entries
  double min_text_width = 40.0;  // narrower texts are not worth showing
};

// One entry, relative to the legend's top-left corner.
struct LegendEntryPlace {
  double x = 0.0;
  double y = 0.0;           // top of the entry's row
  double text_width = 0.0;  // the room for the text; longer texts are ellipsised

  friend bool operator==(const LegendEntryPlace&, const LegendEntryPlace&) = default;
};

// The entries that are drawn (the first `places.size()` of them) and the
// legend's size. Entries that do not fit the room are left out rather than
// drawn outside the picture.
struct LegendLayout {
  double width = 0.0;
  double height = 0.0;
  std::vector<LegendEntryPlace> places;
};

// A legend on the right: one column of entries, or more side by side when
// they do not fit the height; `max_width` and `max_height` bound the legend.
LegendLayout LayoutRightLegend(std::span<const double> text_widths, double max_width, double max_height,
                               const LegendMetrics& metrics);

// A legend at the bottom: entries side by side in rows, each row centred
// in `max_width`; a new row starts when the next entry would not fit.
LegendLayout LayoutBottomLegend(std::span<const double> text_widths, double max_width, double max_height,
                                const LegendMetrics& metrics);

}  // namespace tabulo::charts::engine
