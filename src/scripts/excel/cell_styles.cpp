#include "scripts/excel/cell_styles.h"

namespace tabulo::excel {
namespace {

struct StyleRow {
  std::string_view name;
  std::int32_t orientation;
  HorizontalAlignment horizontal;
  VerticalAlignment vertical;
  bool wraps_labels;
  bool bold;
  double size;
};

StyleRow RowOf(CellStyle style) {
  using H = HorizontalAlignment;
  using V = VerticalAlignment;
  switch (style) {
    case CellStyle::kHeader:
      return {"Header", 0, H::kLeft, V::kBottom, false, false, 12};
    case CellStyle::kFooter:
      return {"Footer", 0, H::kLeft, V::kBottom, false, false, 12};
    case CellStyle::kVariableTextTop:
      return {"VariableTextTop", 0, H::kCenter, V::kCenter, true, true, 10};
    case CellStyle::kVariableTextSide:
      return {"VariableTextSide", 90, H::kCenter, V::kCenter, true, true, 10};
    case CellStyle::kElementTextTop:
      return {"ElementTextTop", 0, H::kCenter, V::kCenter, true, false, 8};
    case CellStyle::kElementTextSide:
      return {"ElementTextSide", 0, H::kLeft, V::kCenter, true, false, 8};
    case CellStyle::kValue:
      return {"Value", 0, H::kRight, V::kBottom, false, false, 8};
  }
  return {"Value", 0, H::kRight, V::kBottom, false, false, 8};
}

}  // namespace

std::string_view StyleName(CellStyle style) { return RowOf(style).name; }

CellFormat StyleFormat(CellStyle style, bool wrap_labels) {
  StyleRow row = RowOf(style);
  CellFormat format;
  format.orientation = row.orientation;
  format.horizontal = row.horizontal;
  format.vertical = row.vertical;
  format.wrap_text = row.wraps_labels && wrap_labels;
  format.font_name = "Arial";
  format.bold = row.bold;
  format.italic = false;
  format.font_size = row.size;
  return format;
}

NamedStyle MakeNamedStyle(CellStyle style, bool wrap_labels) {
  NamedStyle named;
  named.name = std::string(StyleName(style));
  named.format = StyleFormat(style, wrap_labels);
  return named;
}

}  // namespace tabulo::excel
