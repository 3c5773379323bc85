#include "charts/engine/drawing.h"

#include <array>
#include <cmath>
#include <numbers>

namespace tabulo::charts::engine {
namespace {

constexpr double kTopShade = 0.82;
constexpr double kSideShade = 0.64;
constexpr std::size_t kMarkerShapes = 5;

double Sharp(double coordinate, double width) {
  // An odd-width line looks sharp on a pixel's centre, an even one on its edge.
  bool odd = static_cast<long>(std::lround(width)) % 2 == 1;
  return odd ? std::floor(coordinate) + 0.5 : std::round(coordinate);
}

void PolygonPath(cairo_t* context, std::span<const Point> corners) {
  if (corners.empty()) return;
  cairo_move_to(context, corners[0].x, corners[0].y);
  for (std::size_t i = 1; i < corners.size(); ++i) cairo_line_to(context, corners[i].x, corners[i].y);
  cairo_close_path(context);
}

}  // namespace

void SetColour(cairo_t* context, Rgb colour) {
  cairo_set_source_rgb(context, colour.red / 255.0, colour.green / 255.0, colour.blue / 255.0);
}

void FillBox(cairo_t* context, const Box& box, Rgb colour) {
  SetColour(context, colour);
  cairo_rectangle(context, box.left, box.top, box.width, box.height);
  cairo_fill(context);
}

void FillPolygon(cairo_t* context, std::span<const Point> corners, Rgb colour) {
  SetColour(context, colour);
  PolygonPath(context, corners);
  cairo_fill(context);
}

void StrokeLine(cairo_t* context, Point from, Point to, Rgb colour, double width) {
  if (from.x == to.x) from.x = to.x = Sharp(from.x, width);
  if (from.y == to.y) from.y = to.y = Sharp(from.y, width);
  SetColour(context, colour);
  cairo_set_line_width(context, width);
  cairo_move_to(context, from.x, from.y);
  cairo_line_to(context, to.x, to.y);
  cairo_stroke(context);
}

void FillBlock(cairo_t* context, const Box& front, Point depth, Rgb colour) {
  double left = front.left;
  double right = front.Right();
  double top = front.top;
  double bottom = front.Bottom();
  std::array<Point, 4> top_face{{{left, top}, {right, top}, {right + depth.x, top + depth.y},
                                 {left + depth.x, top + depth.y}}};
  std::array<Point, 4> side_face{{{right, top}, {right + depth.x, top + depth.y},
                                  {right + depth.x, bottom + depth.y}, {right, bottom}}};
  FillPolygon(context, top_face, Shaded(colour, kTopShade));
  FillPolygon(context, side_face, Shaded(colour, kSideShade));
  FillBox(context, front, colour);
}

void DrawMarker(cairo_t* context, Point centre, double size, std::size_t series, Rgb colour) {
  double half = size / 2.0;
  double x = centre.x;
  double y = centre.y;
  SetColour(context, colour);
  switch (series % kMarkerShapes) {
    case 0:  // square
      cairo_rectangle(context, x - half, y - half, size, size);
      break;
    case 1:  // diamond
      cairo_move_to(context, x, y - half * 1.3);
      cairo_line_to(context, x + half * 1.3, y);
      cairo_line_to(context, x, y + half * 1.3);
      cairo_line_to(context, x - half * 1.3, y);
      cairo_close_path(context);
      break;
    case 2:  // triangle
      cairo_move_to(context, x, y - half * 1.2);
      cairo_line_to(context, x + half * 1.2, y + half);
      cairo_line_to(context, x - half * 1.2, y + half);
      cairo_close_path(context);
      break;
    case 3:  // circle
      cairo_arc(context, x, y, half * 1.1, 0.0, 2.0 * std::numbers::pi);
      break;
    default:  // cross
      cairo_set_line_width(context, 2.0);
      cairo_move_to(context, x - half, y - half);
      cairo_line_to(context, x + half, y + half);
      cairo_move_to(context, x + half, y - half);
      cairo_line_to(context, x - half, y + half);
      cairo_stroke(context);
      return;
  }
  cairo_fill(context);
}

}  // namespace tabulo::charts::engine
