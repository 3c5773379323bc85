#pragma once

#include <string_view>

#include "office/spreadsheet/cell_format.h"

namespace tabulo::office {

// Text measured with the metrics of Arial (and Liberation Sans, which has
// the same advance widths), regular and bold; italic has the widths of the
// upright face. Other fonts are measured as Arial. Characters outside
// ASCII: accented Latin letters as their base letter, East Asian wide
// characters as one em, everything else as the width of a digit.

// Advance width of the text in points.
double TextWidthPoints(std::string_view text, const Font& font);
// Pixels at 96 dpi, the resolution Office's column widths are defined at.
double PointsToPixels(double points);
double PixelsToPoints(double pixels);
// Width of the font's "0" in whole pixels: the unit of column widths.
int MaxDigitWidthPixels(const Font& font);
// Height of one line of the font in whole pixels: ascent plus descent
// (1.117 em for Arial) rounded up, and one pixel above and below.
int LineHeightPixels(const Font& font);
double LineHeightPoints(const Font& font);

}  // namespace tabulo::office
