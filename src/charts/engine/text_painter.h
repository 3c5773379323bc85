#pragma once

#include <cairo.h>

#include <string>
#include <string_view>

#include "charts/engine/colour.h"
#include "charts/engine/geometry.h"

namespace tabulo::charts::engine {

struct TextStyle {
  double size = 11.0;  // pixels
  bool bold = false;
  Rgb colour = kTextColour;
};

enum class Align { kStart, kCentre, kEnd };

struct TextSize {
  double width = 0.0;
  double height = 0.0;
};

// Where and how a text is drawn. The anchor is the point the text's box is
// aligned to: horizontally its left edge, centre or right edge; vertically
// its top, middle or bottom. A rotated text reads upwards and its box is
// the turned one.
struct TextPlacement {
  Point anchor;
  Align horizontal = Align::kStart;
  Align vertical = Align::kStart;
  double max_width = 0.0;  // 0: unlimited; else longer texts are wrapped, then ellipsised
  int max_lines = 1;
  bool rotated = false;
};

// Chart texts through pango in a sans-serif face metric-compatible with the
// usual office fonts. Texts are shown as plain text: control characters
// become blanks and invalid UTF-8 is replaced, so no input can break the
// layout.
class TextPainter {
 public:
  explicit TextPainter(cairo_t* context);

  // The text's size on one line, unlimited.
  TextSize Measure(std::string_view text, const TextStyle& style) const;
  // The text's size within `max_width` on up to `max_lines` lines.
  TextSize MeasureFitted(std::string_view text, const TextStyle& style, double max_width, int max_lines) const;
  // Draws the text; returns the (unturned) size it took.
  TextSize Draw(std::string_view text, const TextStyle& style, const TextPlacement& placement) const;

 private:
  cairo_t* context_;
};

// The text with control characters as blanks and invalid UTF-8 replaced.
std::string PrintableText(std::string_view text);

}  // namespace tabulo::charts::engine
