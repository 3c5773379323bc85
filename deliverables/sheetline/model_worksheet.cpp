#include "sheetline/model_worksheet.h"

#include "frame/vocabularies.h"
#include "office/spreadsheet/formula_references.h"
#include "sheetline/model_chart.h"

namespace tabulo::deliverables::sheetline {
namespace {

office::CellRef Cell(excel::CellRef cell) { return {cell.row, cell.column}; }
office::CellRange Range(const excel::CellRange& range) { return {Cell(range.first), Cell(range.last)}; }

office::HorizontalAlignment Horizontal(excel::HorizontalAlignment alignment) {
  switch (alignment) {
    case excel::HorizontalAlignment::kLeft:
      return office::HorizontalAlignment::kLeft;
    case excel::HorizontalAlignment::kCenter:
      return office::HorizontalAlignment::kCenter;
    case excel::HorizontalAlignment::kRight:
      return office::HorizontalAlignment::kRight;
    case excel::HorizontalAlignment::kGeneral:
      break;
  }
  return office::HorizontalAlignment::kGeneral;
}

office::VerticalAlignment Vertical(excel::VerticalAlignment alignment) {
  switch (alignment) {
    case excel::VerticalAlignment::kTop:
      return office::VerticalAlignment::kTop;
    case excel::VerticalAlignment::kCenter:
      return office::VerticalAlignment::kCenter;
    case excel::VerticalAlignment::kBottom:
      break;
  }
  return office::VerticalAlignment::kBottom;
}

office::BorderEdge Edge(excel::BorderEdge edge) {
  switch (edge) {
    case excel::BorderEdge::kLeft:
      return office::BorderEdge::kLeft;
    case excel::BorderEdge::kTop:
      return office::BorderEdge::kTop;
    case excel::BorderEdge::kRight:
      return office::BorderEdge::kRight;
    case excel::BorderEdge::kBottom:
      break;
  }
  return office::BorderEdge::kBottom;
}

}  // namespace

office::FormatChange FormatChangeOf(const excel::CellFormat& format) {
  office::FormatChange change;
  change.font_name = format.font_name;
  change.font_size = format.font_size;
  change.bold = format.bold;
  change.italic = format.italic;
  if (format.font_colour) change.font_colour = office::Colour::Rgb(*format.font_colour);
  change.rotation = format.orientation;
  if (format.horizontal) change.horizontal = Horizontal(*format.horizontal);
  if (format.vertical) change.vertical = Vertical(*format.vertical);
  change.wrap_text = format.wrap_text;
  change.indent = format.indent_level;
  return change;
}

std::string ModelWorksheet::Name() const { return Sheet().Name(); }
void ModelWorksheet::SetName(std::string_view name) { workbook_.RenameSheet(index_, name); }
void ModelWorksheet::Activate() { workbook_.SetActiveSheet(index_); }

void ModelWorksheet::SetText(excel::CellRef cell, std::string_view text) { Sheet().SetText(Cell(cell), text); }
void ModelWorksheet::SetNumber(excel::CellRef cell, double value) { Sheet().SetNumber(Cell(cell), value); }

void ModelWorksheet::SetRichText(excel::CellRef cell, std::span<const excel::TextRun> runs) {
  office::RichText text;
  for (const excel::TextRun& run : runs) {
    office::TextRun piece;
    piece.text = run.text;
    piece.font_name = run.font_name;
    piece.size = run.size;
    if (run.bold) piece.bold = true;
    if (run.italic) piece.italic = true;
    if (run.underline) piece.underline = true;
    if (run.colour) piece.colour = office::Colour::Rgb(*run.colour);
    text.push_back(std::move(piece));
  }
  Sheet().SetRichText(Cell(cell), std::move(text));
}

std::string ModelWorksheet::NumberFormat(excel::CellRef cell) const {
  const std::string& format = Sheet().FormatAt(Cell(cell)).number_format;
  return frame::EqualsAsciiIgnoringCase(format, "General") ? std::string() : format;
}

void ModelWorksheet::SetNumberFormat(const excel::CellRange& range, std::string_view format) {
  Sheet().SetNumberFormat(Range(range), format.empty() ? std::string_view("General") : format);
}

void ModelWorksheet::SetFormat(const excel::CellRange& range, const excel::CellFormat& format) {
  Sheet().ApplyFormat(Range(range), FormatChangeOf(format));
}

void ModelWorksheet::SetStyle(const excel::CellRange& range, std::string_view style_name) {
  Sheet().ApplyStyle(Range(range), style_name);
}

void ModelWorksheet::SetBorder(const excel::CellRange& range, excel::BorderEdge edge, excel::Border) {
  // The logic draws thin continuous lines only.
  Sheet().SetOuterBorder(Range(range), Edge(edge), {office::BorderStyle::kThin, office::Colour::Automatic()});
}

void ModelWorksheet::Merge(const excel::CellRange& range) { Sheet().Merge(Range(range)); }
void ModelWorksheet::IgnoreNumberStoredAsText(excel::CellRef cell) {
  Sheet().IgnoreNumberStoredAsText(Cell(cell));
}

void ModelWorksheet::SetAllRowHeights(double points) { Sheet().SetDefaultRowHeight(points); }
void ModelWorksheet::SetAllColumnWidths(double characters) { Sheet().SetDefaultColumnWidth(characters); }
void ModelWorksheet::AutoFitColumn(std::int32_t column) { Sheet().AutoFitColumn(column); }
void ModelWorksheet::AutoFitRows(std::int32_t first_row, std::int32_t last_row) {
  Sheet().AutoFitRows(first_row, last_row);
}

void ModelWorksheet::ChangePage(auto&& change) {
  office::PageSetup setup = Sheet().Page();
  change(setup);
  Sheet().SetPageSetup(setup);
}

void ModelWorksheet::SetPageOrientation(excel::PageOrientation orientation) {
  ChangePage([&](office::PageSetup& setup) {
    setup.orientation = orientation == excel::PageOrientation::kLandscape ? office::PageOrientation::kLandscape
                                                                         : office::PageOrientation::kPortrait;
  });
}

void ModelWorksheet::SetZoomOff() {
  ChangePage([](office::PageSetup& setup) {
    if (!setup.fit_to_pages) setup.fit_to_pages = office::FitToPages{};
  });
}

void ModelWorksheet::SetFitToPages(std::int32_t wide, std::int32_t tall) {
  ChangePage([&](office::PageSetup& setup) { setup.fit_to_pages = office::FitToPages{wide, tall}; });
}

void ModelWorksheet::SetPrintTitleColumns(std::int32_t first, std::int32_t last) {
  ChangePage([&](office::PageSetup& setup) { setup.title_columns = office::PrintTitleSpan{first, last}; });
}

void ModelWorksheet::SetPrintTitleRows(std::int32_t first, std::int32_t last) {
  ChangePage([&](office::PageSetup& setup) { setup.title_rows = office::PrintTitleSpan{first, last}; });
}

void ModelWorksheet::Select(excel::CellRef cell) { Sheet().SelectCell(Cell(cell)); }

// The file holds formulas in A1 notation, with the value the referenced cell
// shows, so that readers which do not calculate still show numbers.
void ModelWorksheet::SetFormulaR1C1(excel::CellRef cell, std::string_view formula) {
  std::string a1 = office::R1C1ToA1(formula, Cell(cell));
  office::CachedValue cached = office::ReferencedValue(workbook_, Sheet().Name(), a1);
  Sheet().SetFormula(Cell(cell), a1, cached);
}

void ModelWorksheet::HideAllCellText() { Sheet().HideAllText(); }

void ModelWorksheet::SetAllCellsFontColorIndex(std::int32_t) {
  // Index 0 is the one the logic uses: the automatic colour.
  office::FormatChange automatic;
  automatic.font_colour = office::Colour::Automatic();
  Sheet().ApplyFormatToAllCells(automatic);
}

excel::ExcelChart& ModelWorksheet::AddChart(const excel::ChartFrame& frame) {
  charts_.push_back(AddModelChart(Sheet(), frame));
  return *charts_.back();
}

}  // namespace tabulo::deliverables::sheetline
