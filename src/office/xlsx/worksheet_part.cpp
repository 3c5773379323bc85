#include "office/xlsx/worksheet_part.h"

#include <charconv>
#include <cstring>
#include <vector>

#include "office/markup/xml_writer.h"
#include "office/package/opc_names.h"
#include "office/spreadsheet/text_metrics.h"
#include "office/xlsx/column_width_units.h"
#include "office/xlsx/sml_names.h"
#include "office/xlsx/sml_text.h"

namespace tabulo::office {
namespace {

void AppendUnsigned(std::string& out, std::uint64_t value) {
  char digits[24];
  auto result = std::to_chars(digits, digits + sizeof digits, value);
  out.append(digits, result.ptr);
}

struct ColumnSpan {
  std::int32_t first = 1;
  std::int32_t last = 1;
  double width = 0;  // characters
  bool custom = false;
};

// The <col> spans: every column when the sheet has a default width or a
// base format, otherwise only the columns sized one by one. Neighbours of
// equal width share a span.
std::vector<ColumnSpan> ColumnSpans(const Worksheet& sheet) {
  const bool all_columns = sheet.DefaultColumnWidth().has_value() || sheet.BaseFormat() != 0;
  const double default_width = sheet.DefaultColumnWidth().value_or(kStandardColumnWidth);
  const bool default_custom = sheet.DefaultColumnWidth().has_value();
  std::vector<ColumnSpan> spans;
  const auto add = [&spans](std::int32_t first, std::int32_t last, double width, bool custom) {
    if (!spans.empty() && spans.back().last + 1 == first && spans.back().width == width &&
        spans.back().custom == custom) {
      spans.back().last = last;
    } else {
      spans.push_back({first, last, width, custom});
    }
  };
  std::int32_t next = 1;
  for (const auto& [column, width] : sheet.ColumnWidths()) {
    if (all_columns && column > next) add(next, column - 1, default_width, default_custom);
    add(column, column, width, true);
    next = column + 1;
  }
  if (all_columns && next <= kMaxColumns) add(next, kMaxColumns, default_width, default_custom);
  return spans;
}

void WriteSheetProperties(XmlWriter& xml, const Worksheet& sheet) {
  if (!sheet.Page().fit_to_pages) return;
  xml.Start("sheetPr");
  xml.Start("pageSetUpPr");
  xml.Attribute("fitToPage", "1");
  xml.End();
  xml.End();
}

void WriteSheetViews(XmlWriter& xml, const Worksheet& sheet, bool tab_selected) {
  xml.Start("sheetViews");
  xml.Start("sheetView");
  if (tab_selected) xml.Attribute("tabSelected", "1");
  xml.Attribute("workbookViewId", 0);
  if (sheet.ActiveCell() != CellRef{}) {
    const std::string active = CellName(sheet.ActiveCell());
    xml.Start("selection");
    xml.Attribute("activeCell", active);
    xml.Attribute("sqref", active);
    xml.End();
  }
  xml.End();
  xml.End();
}

void WriteColumns(XmlWriter& xml, const Worksheet& sheet, StyleSheet& styles) {
  const std::vector<ColumnSpan> spans = ColumnSpans(sheet);
  if (spans.empty()) return;
  const int digit = MaxDigitWidthPixels(sheet.Context().Normal().font);
  const std::uint32_t base_xf = styles.XfIndex(sheet.BaseFormat());
  xml.Start("cols");
  for (const ColumnSpan& span : spans) {
    xml.Start("col");
    xml.Attribute("min", span.first);
    xml.Attribute("max", span.last);
    const double stored = StoredColumnWidth(span.width, digit);
    xml.AttributeNumber("width", stored);
    if (base_xf != 0) xml.Attribute("style", base_xf);
    if (stored == 0) xml.Attribute("hidden", "1");
    if (span.custom) xml.Attribute("customWidth", "1");
    xml.End();
  }
  xml.End();
}

void AppendCachedValue(std::string& out, const CachedValue& cached) {
  if (const double* number = std::get_if<double>(&cached)) {
    out.append("<v>");
    AppendDouble(out, *number);
    out.append("</v>");
  } else if (const std::string* text = std::get_if<std::string>(&cached)) {
    out.append("<v>");
    AppendEscapedText(out, EncodeSmlText(*text));
    out.append("</v>");
  } else if (const bool* flag = std::get_if<bool>(&cached)) {
    out.append(*flag ? "<v>1</v>" : "<v>0</v>");
  }
}

std::string_view CachedType(const CachedValue& cached) {
  if (std::holds_alternative<std::string>(cached)) return "str";
  if (std::holds_alternative<bool>(cached)) return "b";
  return {};
}

// The cells are nearly all of a big sheet: each is put together in a small
// buffer and appended at once.
class CellBuffer {
 public:
  CellBuffer() = default;
  CellBuffer(const CellBuffer&) = delete;
  CellBuffer& operator=(const CellBuffer&) = delete;

  void Put(std::string_view text) {
    std::memcpy(end_, text.data(), text.size());
    end_ += text.size();
  }
  void PutNumber(std::uint64_t value) { end_ = std::to_chars(end_, Limit(), value).ptr; }
  void PutColumnLetters(std::int32_t column) {
    char letters[4];
    int count = 0;
    for (; column > 0 && count < 4; column = (column - 1) / 26) {
      letters[count++] = static_cast<char>('A' + (column - 1) % 26);
    }
    while (count > 0) *end_++ = letters[--count];
  }
  // A finite double in its shortest exact form (as AppendDouble writes it).
  void PutDouble(double value) {
    if (value == 0) value = 0;
    auto result = std::to_chars(end_, Limit(), value, std::chars_format::fixed);
    if (result.ec != std::errc() || result.ptr - end_ > 17) result = std::to_chars(end_, Limit(), value);
    end_ = result.ptr;
  }
  void AppendTo(std::string& out) const { out.append(buffer_, static_cast<std::size_t>(end_ - buffer_)); }

 private:
  char* Limit() { return buffer_ + sizeof buffer_; }
  char buffer_[128];
  char* end_ = buffer_;
};

void AppendCell(std::string& out, const Worksheet& sheet, std::int32_t row, const StoredCell& cell,
                StyleSheet& styles, SharedStringTable& strings) {
  const std::uint32_t xf = styles.XfIndex(cell.format);
  if (cell.kind == CellKind::kBlank && xf == 0) return;
  CellBuffer buffer;
  buffer.Put("<c r=\"");
  buffer.PutColumnLetters(cell.column);
  buffer.PutNumber(static_cast<std::uint64_t>(row));
  buffer.Put("\"");
  if (xf != 0) {
    buffer.Put(" s=\"");
    buffer.PutNumber(xf);
    buffer.Put("\"");
  }
  switch (cell.kind) {
    case CellKind::kBlank:
      buffer.Put("/>");
      break;
    case CellKind::kNumber:
      buffer.Put("><v>");
      buffer.PutDouble(cell.number);
      buffer.Put("</v></c>");
      break;
    case CellKind::kBoolean:
      buffer.Put(cell.number != 0 ? " t=\"b\"><v>1</v></c>" : " t=\"b\"><v>0</v></c>");
      break;
    case CellKind::kText:
    case CellKind::kRichText: {
      const std::uint32_t index =
          cell.kind == CellKind::kText
              ? strings.IndexOfText(cell.ref)
              : strings.IndexOfRichText(sheet.RichTextAt(cell.ref),
                                        sheet.Context().formats.Get(cell.format).font);
      buffer.Put(" t=\"s\"><v>");
      buffer.PutNumber(index);
      buffer.Put("</v></c>");
      break;
    }
    case CellKind::kFormula: {
      const Formula& formula = sheet.FormulaAt(cell.ref);
      const std::string_view type = CachedType(formula.cached);
      if (!type.empty()) {
        buffer.Put(" t=\"");
        buffer.Put(type);
        buffer.Put("\"");
      }
      buffer.Put("><f>");
      buffer.AppendTo(out);
      AppendEscapedText(out, formula.text);
      out.append("</f>");
      AppendCachedValue(out, formula.cached);
      out.append("</c>");
      return;
    }
  }
  buffer.AppendTo(out);
}

void AppendSheetData(std::string& out, const Worksheet& sheet, StyleSheet& styles,
                     SharedStringTable& strings) {
  // Room for the usual cell (about 25 bytes) and row (about 20), so that a
  // big sheet does not copy itself over and over while it grows.
  std::size_t cells = 0;
  for (const auto& [number, row] : sheet.Rows()) cells += row.cells.size();
  out.reserve(out.size() + cells * 26 + sheet.Rows().size() * 20 + 1024);
  out.append("<sheetData>");
  for (const auto& [number, row] : sheet.Rows()) {
    const std::size_t row_start = out.size();
    out.append("<row r=\"");
    AppendUnsigned(out, static_cast<std::uint64_t>(number));
    out.push_back('"');
    if (row.height) {
      out.append(" ht=\"");
      AppendDouble(out, *row.height);
      out.append("\" customHeight=\"1\"");
    }
    out.push_back('>');
    const std::size_t cells_start = out.size();
    for (const StoredCell& cell : row.cells) AppendCell(out, sheet, number, cell, styles, strings);
    if (out.size() == cells_start) {
      if (!row.height) {
        out.resize(row_start);  // nothing to say about this row
        continue;
      }
      out.back() = '/';
      out.push_back('>');
    } else {
      out.append("</row>");
    }
  }
  out.append("</sheetData>");
}

void WriteMergedCells(XmlWriter& xml, const Worksheet& sheet) {
  if (sheet.MergedRanges().empty()) return;
  xml.Start("mergeCells");
  xml.Attribute("count", sheet.MergedRanges().size());
  for (const CellRange& range : sheet.MergedRanges()) {
    xml.Start("mergeCell");
    xml.Attribute("ref", RangeName(range));
    xml.End();
  }
  xml.End();
}

void WritePageSetup(XmlWriter& xml, const Worksheet& sheet) {
  xml.Start("pageMargins");
  xml.Attribute("left", "0.75");
  xml.Attribute("right", "0.75");
  xml.Attribute("top", "1");
  xml.Attribute("bottom", "1");
  xml.Attribute("header", "0.5");
  xml.Attribute("footer", "0.5");
  xml.End();
  const PageSetup& page = sheet.Page();
  const bool zoomed = !page.fit_to_pages && page.zoom != 100;
  if (page.orientation == PageOrientation::kDefault && !page.fit_to_pages && !zoomed) return;
  xml.Start("pageSetup");
  if (zoomed) xml.Attribute("scale", page.zoom);
  if (page.fit_to_pages) {
    xml.Attribute("fitToWidth", page.fit_to_pages->wide);
    xml.Attribute("fitToHeight", page.fit_to_pages->tall);
  }
  if (page.orientation == PageOrientation::kLandscape) xml.Attribute("orientation", "landscape");
  if (page.orientation == PageOrientation::kPortrait) xml.Attribute("orientation", "portrait");
  xml.End();
}

// Neighbouring cells of one row become one range ("A1 C2:E2").
std::string IgnoredCellsText(const std::set<CellRef>& cells) {
  std::string text;
  for (auto cell = cells.begin(); cell != cells.end();) {
    CellRange range = CellRange::Single(*cell);
    auto next = std::next(cell);
    while (next != cells.end() && next->row == range.last.row && next->column == range.last.column + 1) {
      range.last = *next;
      ++next;
    }
    if (!text.empty()) text.push_back(' ');
    text += RangeName(range);
    cell = next;
  }
  return text;
}

void WriteIgnoredErrors(XmlWriter& xml, const Worksheet& sheet) {
  if (sheet.NumberAsTextIgnored().empty()) return;
  xml.Start("ignoredErrors");
  xml.Start("ignoredError");
  xml.Attribute("sqref", IgnoredCellsText(sheet.NumberAsTextIgnored()));
  xml.Attribute("numberStoredAsText", "1");
  xml.End();
  xml.End();
}

}  // namespace

std::string WorksheetPartXml(const Worksheet& sheet, StyleSheet& styles, SharedStringTable& strings,
                             const WorksheetPartOptions& options) {
  std::string out;
  XmlWriter xml(out);
  xml.Declaration();
  xml.Start("worksheet");
  xml.Attribute("xmlns", sml::kMainNamespace);
  xml.Attribute("xmlns:r", opc::kOfficeRelationshipsNamespace);
  WriteSheetProperties(xml, sheet);
  xml.Start("dimension");
  const auto used = sheet.UsedRange();
  xml.Attribute("ref", used ? RangeName(*used) : std::string("A1"));
  xml.End();
  WriteSheetViews(xml, sheet, options.tab_selected);
  xml.Start("sheetFormatPr");
  xml.AttributeNumber("defaultRowHeight",
                      sheet.DefaultRowHeight().value_or(LineHeightPoints(sheet.Context().Normal().font)));
  if (sheet.DefaultRowHeight()) xml.Attribute("customHeight", "1");
  xml.End();
  WriteColumns(xml, sheet, styles);
  xml.Raw("");  // closes the open start tag before the plain appends
  AppendSheetData(out, sheet, styles, strings);
  WriteMergedCells(xml, sheet);
  WritePageSetup(xml, sheet);
  WriteIgnoredErrors(xml, sheet);
  if (!options.drawing_relationship_id.empty()) {
    xml.Start("drawing");
    xml.Attribute("r:id", options.drawing_relationship_id);
    xml.End();
  }
  xml.End();
  return out;
}

}  // namespace tabulo::office
