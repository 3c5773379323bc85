#pragma once

#include <cstdint>
#include <string>

#include "office/package/package.h"
#include "office/spreadsheet/worksheet.h"

namespace tabulo::office {

// A position on a sheet as a drawing anchor gives it: a 0-based column and
// row and an offset into that cell in EMU (914400 per inch, 12700 per point).
struct CellAnchor {
  std::int32_t column = 0;
  std::int64_t column_offset = 0;
  std::int32_t row = 0;
  std::int64_t row_offset = 0;

  friend bool operator==(const CellAnchor&, const CellAnchor&) = default;
};

inline constexpr std::int64_t kEmuPerPoint = 12700;

// The cell a point position falls in, walking the sheet's column widths
// (pixels = round(characters × mdw) + 5, at 0.75 points a pixel) and row
// heights.
CellAnchor AnchorAt(const Worksheet& sheet, double x_points, double y_points);

// Writes the sheet's drawing part (xl/drawings/drawingN.xml) into the
// package, each object in a two-cell anchor over its frame that moves with
// the cells but keeps its size, and gives the part's name.
std::string AddDrawingPart(Package& package, const Worksheet& sheet, std::size_t drawing_number);

}  // namespace tabulo::office
