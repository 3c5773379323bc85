#pragma once

#include <cairo.h>

#include <cstddef>
#include <span>

#include "charts/engine/colour.h"
#include "charts/engine/geometry.h"

namespace tabulo::charts::engine {

void SetColour(cairo_t* context, Rgb colour);
void FillBox(cairo_t* context, const Box& box, Rgb colour);
void FillPolygon(cairo_t* context, std::span<const Point> corners, Rgb colour);
// A line of the given width, placed on whole pixels so that thin lines
// stay sharp.
void StrokeLine(cairo_t* context, Point from, Point to, Rgb colour, double width);
// A block seen from the front, slightly from above and from the right: the
// front face in the colour, the top and right faces darker, the depth going
// `depth` (screen offset, up and to the right) back.
void FillBlock(cairo_t* context, const Box& front, Point depth, Rgb colour);

// The marker of line series number `series` (the shapes repeat), centred
// on the point.
void DrawMarker(cairo_t* context, Point centre, double size, std::size_t series, Rgb colour);

}  // namespace tabulo::charts::engine
