#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "scripts/excel/excel_chart_operations.h"
#include "scripts/excel/excel_chart_types.h"
#include "scripts/excel/excel_types.h"

namespace tabulo::excel {

// One worksheet of the workbook the table layout writes into: exactly the
// cell, range, row, column and page-setup operations the layout uses.
// Rows and columns are 1-based and lie within kSheetRows x kSheetColumns;
// every range has first <= last. Operations may throw std::exception; the
// layout decides which failures it absorbs.
class ExcelWorksheet {
 public:
  virtual ~ExcelWorksheet() = default;

  virtual std::string Name() const = 0;
  virtual void SetName(std::string_view name) = 0;
  // Makes the sheet the one shown when the workbook opens.
  virtual void Activate() = 0;

  // Cell contents. A text is stored exactly as given: it is never read as a
  // number or a formula (the layout decides what becomes a number, see
  // typed_input.h), so a text beginning with "=" needs no apostrophe. Each
  // call replaces what the cell held.
  virtual void SetText(CellRef cell, std::string_view text) = 0;
  virtual void SetNumber(CellRef cell, double value) = 0;
  // Text in runs of their own character format; a run's unset members take
  // the cell's font (so a style applied before keeps showing through).
  virtual void SetRichText(CellRef cell, std::span<const TextRun> runs) = 0;

  // The number format of a cell; "" for General. Setting "General" in any
  // letter case sets General.
  virtual std::string NumberFormat(CellRef cell) const = 0;
  virtual void SetNumberFormat(const CellRange& range, std::string_view format) = 0;
  // Sets the members of `format` that are set, on every cell of the range.
  virtual void SetFormat(const CellRange& range, const CellFormat& format) = 0;
  // Applies a style added with ExcelWorkbook::AddStyle.
  virtual void SetStyle(const CellRange& range, std::string_view style_name) = 0;
  // Draws one outer edge of the range (the left edge of its first column,
  // the bottom edge of its last row, ...).
  virtual void SetBorder(const CellRange& range, BorderEdge edge, Border border) = 0;
  // Merges the range into one cell that shows the top left cell's content.
  virtual void Merge(const CellRange& range) = 0;
  // Switches off the "number stored as text" indicator of the cell.
  virtual void IgnoreNumberStoredAsText(CellRef cell) = 0;

  // Height of every row in points and width of every column in characters
  // (Cells.RowHeight, Cells.ColumnWidth).
  virtual void SetAllRowHeights(double points) = 0;
  virtual void SetAllColumnWidths(double characters) = 0;
  // Fits the column's width to its contents.
  virtual void AutoFitColumn(std::int32_t column) = 0;
  // Fits the heights of the rows first_row to last_row to their contents.
  virtual void AutoFitRows(std::int32_t first_row, std::int32_t last_row) = 0;

  // Page setup.
  virtual void SetPageOrientation(PageOrientation orientation) = 0;
  // Zoom off: the page is scaled by the fit-to-pages settings instead.
  virtual void SetZoomOff() = 0;
  virtual void SetFitToPages(std::int32_t wide, std::int32_t tall) = 0;
  // Columns (rows) first to last repeat on every printed page.
  virtual void SetPrintTitleColumns(std::int32_t first, std::int32_t last) = 0;
  virtual void SetPrintTitleRows(std::int32_t first, std::int32_t last) = 0;

  // Makes the cell the active cell of the sheet.
  virtual void Select(CellRef cell) = 0;

  // A formula in R1C1 notation that refers to one cell of another worksheet
  // of the workbook, such as ='T1'!R5C3 (the sheet name in single quotes,
  // row and column 1-based). The cell shows the referenced cell's value, text
  // or number, and follows it when that changes.
  virtual void SetFormulaR1C1(CellRef cell, std::string_view formula) = 0;

  // Gives every cell of the sheet, also those written later, a font colour
  // equal to its interior colour (Cells.Font.Color = Cells.Interior.Color):
  // the contents stay in the cells but do not show.
  virtual void HideAllCellText() = 0;
  // Sets the font colour index of every cell of the sheet (Cells.Font.ColorIndex);
  // index 0 gives the automatic font colour, so hidden text shows again.
  virtual void SetAllCellsFontColorIndex(std::int32_t index) = 0;

  // Embeds a new chart object in the sheet (ChartObjects.Add) and returns it;
  // the sheet owns it.
  virtual ExcelChart& AddChart(const ChartFrame& frame) = 0;
};

// The workbook: its worksheets and named styles, and the application-level
// switches the layout makes.
class ExcelWorkbook {
 public:
  virtual ~ExcelWorkbook() = default;

  virtual std::int32_t WorksheetCount() const = 0;
  // The worksheet at a 1-based index in sheet order (Worksheets(index));
  // throws std::out_of_range for an index that names none.
  virtual ExcelWorksheet& Worksheet(std::int32_t index) = 0;
  // Adds a worksheet after the last sheet and returns it.
  virtual ExcelWorksheet& AddWorksheet() = 0;

  // Adds (or redefines) a named style.
  virtual void AddStyle(const NamedStyle& style) = 0;

  // Screen updating of a visible application; a no-op where nothing is shown.
  virtual void SetScreenUpdating(bool on) = 0;
};

}  // namespace tabulo::excel
