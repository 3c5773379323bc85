#include "charts/engine/pie_chart.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "charts/engine/colour.h"
#include "charts/engine/drawing.h"
#include "charts/engine/pie_slices.h"

namespace tabulo::charts::engine {
namespace {

constexpr double kExplosion = 0.12;   // how far slices are pulled out, as a share of the radius
constexpr double kFill = 0.94;        // of the room the pie takes
constexpr double kTilt = 0.55;        // a 3D pie's height against its width
constexpr double kThickness = 0.14;   // a 3D pie's wall, as a share of the radius
constexpr double kWallShade = 0.7;
constexpr double kFullTurn = 2.0 * std::numbers::pi;

// The pie's disc: centre, radius and, for a 3D pie, how it is squeezed and
// how thick it stands.
struct Disc {
  Point centre;
  double radius = 0.0;
  double tilt = 1.0;
  double thickness = 0.0;
  double explosion = 0.0;
};

Disc DiscFor(const ChartKind& kind, const Box& region) {
  Disc disc;
  disc.explosion = kind.exploded ? kExplosion : 0.0;
  double spread = 1.0 + disc.explosion;
  if (kind.three_d) {
    disc.tilt = kTilt;
    double by_width = region.width / (2.0 * spread);
    double by_height = region.height / (2.0 * kTilt * spread + kThickness);
    disc.radius = std::max(std::min(by_width, by_height) * kFill, 1.0);
    disc.thickness = disc.radius * kThickness;
  } else {
    disc.radius = std::max(std::min(region.width, region.height) / (2.0 * spread) * kFill, 1.0);
  }
  disc.centre = {region.CentreX(), region.CentreY() - disc.thickness / 2.0};
  return disc;
}

// Moves the drawing to the slice's centre in the disc's own (unsqueezed)
// coordinates; the caller restores.
void EnterSlice(cairo_t* context, const Disc& disc, const PieSlice& slice) {
  double middle = slice.Middle();
  double pull = disc.explosion * disc.radius;
  cairo_save(context);
  cairo_new_path(context);
  cairo_translate(context, disc.centre.x + pull * std::cos(middle),
                  disc.centre.y + pull * std::sin(middle) * disc.tilt);
  cairo_scale(context, 1.0, disc.tilt);
}

void FillPath(cairo_t* context, Rgb colour) {
  cairo_restore(context);  // fill in screen coordinates, the path is kept
  SetColour(context, colour);
  cairo_fill(context);
}

void DrawTop(cairo_t* context, const Disc& disc, const PieSlice& slice, Rgb colour, bool outline) {
  EnterSlice(context, disc, slice);
  cairo_move_to(context, 0.0, 0.0);
  cairo_arc(context, 0.0, 0.0, disc.radius, slice.start, slice.end);
  cairo_close_path(context);
  cairo_restore(context);
  SetColour(context, colour);
  if (!outline) {
    cairo_fill(context);
    return;
  }
  cairo_fill_preserve(context);
  SetColour(context, kWhite);
  cairo_set_line_width(context, 1.0);
  cairo_set_line_join(context, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(context);
}

// The part of the rim that faces the viewer: the lower half of the disc,
// angles 0 to pi.
void DrawRim(cairo_t* context, const Disc& disc, const PieSlice& slice, Rgb colour) {
  double from = std::max(slice.start, 0.0);
  double to = std::min(slice.end, std::numbers::pi);
  if (from >= to) return;
  double drop = disc.thickness / disc.tilt;
  EnterSlice(context, disc, slice);
  cairo_arc(context, 0.0, 0.0, disc.radius, from, to);
  cairo_arc_negative(context, 0.0, drop, disc.radius, to, from);
  cairo_close_path(context);
  FillPath(context, colour);
}

// A cut face of a pulled-out slice, shown when it turns towards the viewer.
void DrawCutFace(cairo_t* context, const Disc& disc, const PieSlice& slice, double angle, Rgb colour) {
  double drop = disc.thickness / disc.tilt;
  EnterSlice(context, disc, slice);
  cairo_move_to(context, 0.0, 0.0);
  cairo_line_to(context, disc.radius * std::cos(angle), disc.radius * std::sin(angle));
  cairo_line_to(context, disc.radius * std::cos(angle), disc.radius * std::sin(angle) + drop);
  cairo_line_to(context, 0.0, drop);
  cairo_close_path(context);
  FillPath(context, colour);
}

void DrawSolidSlice(cairo_t* context, const Disc& disc, const PieSlice& slice) {
  Rgb colour = SeriesColour(slice.category);
  Rgb wall = Shaded(colour, kWallShade);
  bool whole = slice.end - slice.start >= kFullTurn - 1e-9;
  if (!whole && std::cos(slice.end) > 0.0) DrawCutFace(context, disc, slice, slice.end, wall);
  if (!whole && std::cos(slice.start) < 0.0) DrawCutFace(context, disc, slice, slice.start, wall);
  DrawRim(context, disc, slice, wall);
  DrawTop(context, disc, slice, colour, false);
}

}  // namespace

void DrawPieChart(cairo_t* context, const ChartDescription& chart, const ChartKind& kind, const Box& region) {
  if (chart.series.empty()) return;
  const std::vector<double>& values = chart.series.front().values;
  std::size_t used = std::min(values.size(), chart.categories.size());
  std::vector<PieSlice> slices = SliceAngles(std::span<const double>(values.data(), used));
  Disc disc = DiscFor(kind, region);
  if (kind.three_d && kind.exploded) {
    // Pulled-out slices hide each other: the farthest (highest on the
    // screen) first.
    std::vector<PieSlice> ordered = slices;
    std::stable_sort(ordered.begin(), ordered.end(), [](const PieSlice& a, const PieSlice& b) {
      return std::sin(a.Middle()) < std::sin(b.Middle());
    });
    for (const PieSlice& slice : ordered) DrawSolidSlice(context, disc, slice);
  } else if (kind.three_d) {
    for (const PieSlice& slice : slices) DrawRim(context, disc, slice, Shaded(SeriesColour(slice.category), kWallShade));
  }
  bool outline = !(kind.three_d && kind.exploded);
  if (outline) {
    for (const PieSlice& slice : slices) DrawTop(context, disc, slice, SeriesColour(slice.category), true);
  }
}

}  // namespace tabulo::charts::engine
