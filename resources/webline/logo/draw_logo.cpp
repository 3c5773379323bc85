// Draws the logo that HTML exports place beside their pages: a 151 by 85
// pixel PNG with an alpha channel, a rounded tile with a small bar chart.
// Usage: tabulo-draw-logo OUTPUT.png

#include <cairo.h>

#include <cstdio>
#include <numbers>

namespace {

constexpr int kWidth = 151;
constexpr int kHeight = 85;

void RoundedRectangle(cairo_t* cr, double x, double y, double width, double height, double radius) {
  constexpr double kQuarter = std::numbers::pi / 2;
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + width - radius, y + radius, radius, -kQuarter, 0);
  cairo_arc(cr, x + width - radius, y + height - radius, radius, 0, kQuarter);
  cairo_arc(cr, x + radius, y + height - radius, radius, kQuarter, 2 * kQuarter);
  cairo_arc(cr, x + radius, y + radius, radius, 2 * kQuarter, 3 * kQuarter);
  cairo_close_path(cr);
}

void DrawTile(cairo_t* cr) {
  RoundedRectangle(cr, 2.5, 2.5, kWidth - 5, kHeight - 5, 14);
  cairo_pattern_t* fill = cairo_pattern_create_linear(0, 0, 0, kHeight);
  cairo_pattern_add_color_stop_rgba(fill, 0, 0.16, 0.33, 0.56, 0.95);
  cairo_pattern_add_color_stop_rgba(fill, 1, 0.07, 0.18, 0.36, 0.95);
  cairo_set_source(cr, fill);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(fill);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.85);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
}

void DrawBars(cairo_t* cr) {
  constexpr double kHeights[] = {22, 38, 30, 50, 42};
  constexpr double kBase = 68;
  constexpr double kBarWidth = 14;
  double x = 30;
  for (double height : kHeights) {
    RoundedRectangle(cr, x, kBase - height, kBarWidth, height, 3);
    cairo_set_source_rgba(cr, 1.0, 0.80, 0.25, 0.95);
    cairo_fill(cr);
    x += kBarWidth + 7;
  }
  cairo_set_source_rgba(cr, 1, 1, 1, 0.9);
  cairo_set_line_width(cr, 2);
  cairo_move_to(cr, 24, kBase + 1);
  cairo_line_to(cr, kWidth - 24, kBase + 1);
  cairo_stroke(cr);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
    return 2;
  }
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kWidth, kHeight);
  cairo_t* cr = cairo_create(surface);
  DrawTile(cr);
  DrawBars(cr);
  cairo_destroy(cr);
  cairo_status_t status = cairo_surface_write_to_png(surface, argv[1]);
  cairo_surface_destroy(surface);
  if (status != CAIRO_STATUS_SUCCESS) {
    std::fprintf(stderr, "%s: cannot write %s: %s\n", argv[0], argv[1], cairo_status_to_string(status));
    return 1;
  }
  return 0;
}
