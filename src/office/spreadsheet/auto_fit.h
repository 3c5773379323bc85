#pragma once

#include <cstdint>

namespace tabulo::office {

class Worksheet;

// Auto-fit, measured with text_metrics.h. Cells inside merged ranges do not
// count (as in Office); numbers are measured as their format shows them,
// formulas by their cached value, booleans as TRUE and FALSE.
//
// Column width, in characters of the default font's "0" (its width in whole
// pixels, mdw): the widest cell's text in pixels, rounded up, plus 2 pixels
// of air, divided by mdw and rounded up to 1/100 — Office adds its fixed
// 5-pixel cell padding to every width on top. A cell's width is that of its
// longest line (lines end at line feeds), plus 3 × mdw per indent level;
// text turned by 90 degrees takes the height of its lines, stacked text the
// width of its widest character. A column without content gets the sheet's
// default width. At most 255.
double FittedColumnWidth(const Worksheet& sheet, std::int32_t column);

// Row height in points: the tallest cell's lines × the line height of its
// font (text_metrics.h), where a cell that wraps breaks its text at line
// feeds and between words to fit its column, and one that does not shows
// one line; text turned by 90 degrees takes its width plus 7 pixels. A row
// without content gets the sheet's default height. At most 409.
double FittedRowHeight(const Worksheet& sheet, std::int32_t row);

}  // namespace tabulo::office
