#pragma once

#include <array>
#include <string_view>

#include "scripts/excel/excel_types.h"

namespace tabulo::excel {

// The seven styles of a table worksheet.
enum class CellStyle {
  kHeader,
  kFooter,
  kVariableTextTop,
  kVariableTextSide,
  kElementTextTop,
  kElementTextSide,
  kValue,
};

inline constexpr std::array<CellStyle, 7> kAllCellStyles = {CellStyle::kHeader,
                                                            CellStyle::kFooter,
                                                            CellStyle::kVariableTextTop,
                                                            CellStyle::kVariableTextSide,
                                                            CellStyle::kElementTextTop,
                                                            CellStyle::kElementTextSide,
                                                            CellStyle::kValue};

// The workbook style name ("Header", "VariableTextTop", ...).
std::string_view StyleName(CellStyle style);

// Orientation, alignments, wrap and font of a style; the four label styles
// wrap when `wrap_labels` is on.
CellFormat StyleFormat(CellStyle style, bool wrap_labels);

// The named workbook style: font and alignment only, no shrink-to-fit.
NamedStyle MakeNamedStyle(CellStyle style, bool wrap_labels);

}  // namespace tabulo::excel
