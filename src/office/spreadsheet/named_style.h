#pragma once

#include <string>

#include "office/spreadsheet/cell_format.h"

namespace tabulo::office {

// A named workbook style. `format` is the complete format of the style; the
// include flags say which of its parts a cell takes when the style is
// applied (number format, font, alignment, borders, fill) and are written
// into the workbook so that Office applies the style the same way.
struct NamedStyle {
  std::string name{};
  CellFormat format{};
  bool include_number = false;
  bool include_font = true;
  bool include_alignment = true;
  bool include_border = false;
  bool include_fill = false;
  bool include_protection = false;

  friend bool operator==(const NamedStyle&, const NamedStyle&) = default;
};

// The style every workbook has; cells without a style of their own use it.
inline constexpr std::string_view kNormalStyleName = "Normal";

}  // namespace tabulo::office
