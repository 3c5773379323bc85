#include "scripts/excel/typed_input.h"

#include <string>

#include "frame/office_callbacks.h"
#include "platform/locales.h"
#include "platform/variant.h"

namespace tabulo::excel {
namespace {

bool HasDecimals(std::string_view number, std::uint32_t lcid) {
  std::optional<platform::NumberFormat> format = platform::LocaleNumberFormat(lcid);
  return format && !format->decimal.empty() && number.find(format->decimal) != std::string_view::npos;
}

}  // namespace

void WriteTypedText(ExcelWorksheet& sheet, CellRef cell, std::string_view text, std::uint32_t lcid) {
  std::string format = sheet.NumberFormat(cell);
  if (format == kTextFormat) {
    sheet.SetText(cell, text);
    return;
  }
  platform::Variant number = frame::LocaleStringToDouble(text, lcid);
  if (number.type() != platform::VarType::R8) {
    sheet.SetText(cell, text);
    return;
  }
  sheet.SetNumber(cell, number.r8());
  if (format.empty() && !text.empty() && text.back() == '%') {
    sheet.SetNumberFormat(CellRange::Single(cell), HasDecimals(text, lcid) ? "0.00%" : "0%");
  }
}

}  // namespace tabulo::excel
