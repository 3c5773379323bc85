#include <exception>

#include "platform/variant.h"
#include "scripts/excel/annotation_html.h"
#include "scripts/excel/ctable_render.h"
#include "scripts/excel/line_breaks.h"
#include "scripts/excel/logic_error.h"
#include "scripts/excel/sheet_range.h"
#include "scripts/excel/typed_input.h"

namespace tabulo::excel {

CellRange CTableRender::AddCell(TableState& table, std::int64_t column_offset, std::int64_t row_offset,
                                std::int64_t width, std::int64_t height, std::string_view text,
                                std::optional<CellStyle> style, bool is_value, bool is_decimal) {
  if (column_offset < 0 || row_offset < 0 || width < 1 || height < 1)
    RaiseLogicError("AddCell", "Invalid argument");
  const std::int64_t row = table.y + row_offset + 1;
  const std::int64_t column = table.x + column_offset + 1;
  CellRange range = RequireSheetRange("AddCell", row, column, row + height - 1, column + width - 1);
  ExcelWorksheet& sheet = *table.sheet;
  if (!range.IsSingleCell()) sheet.Merge(range);
  // From here a failure leaves the cell as far as it got.
  try {
    WriteCellText(table, range, text, is_value, is_decimal);
  } catch (const std::exception&) {
  }
  if (style) {
    try {
      ApplyStyle(sheet, range, *style);
    } catch (const std::exception&) {
    }
  }
  return range;
}

void CTableRender::WriteCellText(TableState& table, const CellRange& range, std::string_view text,
                                 bool is_value, bool is_decimal) {
  ExcelWorksheet& sheet = *table.sheet;
  std::string format = sheet.NumberFormat(range.first);
  // A base of 457 in a percentage row must not show as 45700%.
  if (table.show_percent_signs && !format.empty() && format.back() == '%' &&
      (text.empty() || text.back() != '%')) {
    format.pop_back();
    sheet.SetNumberFormat(range, format);
  }
  if (text.empty()) return;
  if (is_value && (is_decimal || format.find('.') != std::string::npos)) {
    platform::Variant number;
    std::string argument(text);
    if (platform::Succeeded(exporter_->ConvertLocaleStringToDouble(argument.c_str(), &number)) &&
        number.type() == platform::VarType::R8) {
      sheet.SetNumber(range.first, number.r8());
      return;
    }
  }
  WriteTypedText(sheet, range.first, text, typed_input_lcid_);
}

void CTableRender::ApplyStyle(ExcelWorksheet& sheet, const CellRange& range, CellStyle style) {
  if (settings_.use_excel_styles) {
    sheet.SetStyle(range, StyleName(style));
  } else {
    sheet.SetFormat(range, StyleFormat(style, settings_.wrap_label_text));
  }
  if (style == CellStyle::kVariableTextSide) side_variable_columns_.insert(range.first.column);
}

void CTableRender::WriteAnnotations(TableState& table, std::initializer_list<std::string_view> positions,
                                    CellStyle style) {
  for (std::string_view position : positions) {
    for (const xml::Node& annotations : table.node.ChildElements()) {
      if (annotations.Name() != "Annotations") continue;
      std::optional<xml::Node> found;
      for (const xml::Node& annotation : annotations.ChildElements()) {
        if (annotation.Name() == "Annotation" && annotation.Attribute("Position").value_or("") == position) {
          found = annotation;
          break;
        }
      }
      if (found) WriteAnnotation(table, AttributeOrEmpty(*found, "Text"), style);
      break;
    }
    RefreshScreen();
  }
}

void CTableRender::WriteAnnotation(TableState& table, std::string_view text, CellStyle style) {
  if (text.empty()) return;
  if (settings_.use_formatted_annotations) {
    WriteFormattedAnnotation(table, text, style);
  } else {
    WritePlainAnnotation(table, text, style);
  }
}

void CTableRender::WriteFormattedAnnotation(TableState& table, std::string_view text, CellStyle style) {
  // What Excel's paste of the annotation's HTML gives: one row per line,
  // the character formats kept as rich text.
  std::vector<RunLine> lines = HtmlToRunLines(AnnotationHtml(text, settings_.use_excel_styles));
  if (lines.empty()) return;
  ExcelWorksheet& sheet = *table.sheet;
  const std::int64_t line_count = static_cast<std::int64_t>(lines.size());
  CellRange range =
      RequireSheetRange("AddAnnotation", table.y + 1, table.x + 1, table.y + line_count, table.x + 1);
  if (settings_.use_excel_styles) sheet.SetStyle(range, StyleName(style));
  for (std::int32_t i = 0; i < range.RowCount(); ++i) {
    sheet.SetRichText(CellRef{range.first.row + i, range.first.column}, lines[static_cast<std::size_t>(i)]);
  }
  sheet.AutoFitRows(range.first.row, range.last.row);
  table.y += line_count;
}

void CTableRender::WritePlainAnnotation(TableState& table, std::string_view text, CellStyle style) {
  ExcelWorksheet& sheet = *table.sheet;
  auto target = [&table] {
    return RequireSheetRange("AddAnnotation", table.y + 1, table.x + 1, table.y + 1, table.x + 1);
  };
  CellRange cell = target();
  sheet.SetNumberFormat(cell, kTextFormat);
  std::vector<std::string_view> pieces = SplitAtLineBreaks(text);
  for (std::size_t i = 0; i + 1 < pieces.size(); ++i) {
    if (!pieces[i].empty()) sheet.SetText(cell.first, pieces[i]);
    ApplyStyle(sheet, cell, style);
    table.y += 1;
    cell = target();
    sheet.SetNumberFormat(cell, kTextFormat);
  }
  // The text after the last break (the whole text when it has none).
  if (!pieces.back().empty()) {
    sheet.SetText(cell.first, pieces.back());
    table.y += 1;
    ApplyStyle(sheet, cell, style);
  }
}

}  // namespace tabulo::excel
