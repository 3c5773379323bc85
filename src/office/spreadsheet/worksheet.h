#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "office/spreadsheet/border_edge.h"
#include "office/spreadsheet/cell_format.h"
#include "office/spreadsheet/cell_reference.h"
#include "office/spreadsheet/cell_value.h"
#include "office/spreadsheet/drawing_object.h"
#include "office/spreadsheet/page_setup.h"
#include "office/spreadsheet/sheet_storage.h"
#include "office/spreadsheet/workbook_context.h"

namespace tabulo::office {

// The column width Office gives a column nobody sized, in characters.
inline constexpr double kStandardColumnWidth = 8.43;
// Largest column width (characters) and row height (points) a sheet takes.
inline constexpr double kMaxColumnWidth = 255;
inline constexpr double kMaxRowHeight = 409;
// A formatting call may touch at most this many cells at once, so that a
// mistaken range cannot exhaust memory.
inline constexpr std::int64_t kMaxCellsPerCall = std::int64_t{1} << 22;

// One worksheet of a Workbook (which creates it): cells with values and
// formats, merged ranges, column widths, row heights, page setup, print
// titles, cells whose "number stored as text" indicator is off, and the
// drawings anchored on it. Cells are addressed 1-based; a cell or range
// outside the sheet throws std::out_of_range.
class Worksheet {
 public:
  Worksheet(std::string name, WorkbookContext& context);
  Worksheet(const Worksheet&) = delete;
  Worksheet& operator=(const Worksheet&) = delete;

  const std::string& Name() const { return name_; }

  // Values. Each replaces what the cell held and keeps its format. Texts
  // are stored exactly as given, never read as numbers or formulas; texts
  // longer than 32767 characters throw std::length_error, numbers that are
  // not finite std::invalid_argument (a workbook cannot hold them).
  void SetText(CellRef cell, std::string_view text);
  void SetNumber(CellRef cell, double value);
  void SetBoolean(CellRef cell, bool value);
  // Rich text without runs empties the cell.
  void SetRichText(CellRef cell, RichText runs);
  // A formula in A1 notation, with or without the leading "=", and the value
  // it shows until Office recalculates it (Office recalculates on opening).
  void SetFormula(CellRef cell, std::string_view formula, CachedValue cached = {});
  // Removes the value; the format stays.
  void ClearValue(CellRef cell);
  CellValue ValueAt(CellRef cell) const;

  // Formats.
  const CellFormat& FormatAt(CellRef cell) const;
  void ApplyFormat(const CellRange& range, const FormatChange& change);
  // "General" in any letter case is stored as "General".
  void SetNumberFormat(const CellRange& range, std::string_view code);
  // Applies a named style of the workbook: the cells take the parts the
  // style includes. Throws std::invalid_argument for an unknown style.
  void ApplyStyle(const CellRange& range, std::string_view style_name);
  // Draws one outer edge of the range: the left edge of its first column,
  // the bottom edge of its last row, ...
  void SetOuterBorder(const CellRange& range, BorderEdge edge, const BorderLine& line);
  // Changes every cell of the sheet, also those written later (the sheet's
  // base format, written as the columns' format).
  void ApplyFormatToAllCells(const FormatChange& change);
  // Gives every cell a font colour equal to its fill colour (white where it
  // has no fill), also to cells written later: the values stay but do not
  // show. A fill given to a cell afterwards does not change its font colour.
  void HideAllText();
  FormatTable::Id BaseFormat() const { return base_format_; }

  // Merged ranges. A range of one cell is not merged; a range that
  // overlaps one merged before throws std::invalid_argument. The merged
  // cell shows the top left cell's value: the values of the other cells
  // are cleared.
  void Merge(const CellRange& range);
  const std::vector<CellRange>& MergedRanges() const { return merged_; }
  std::optional<CellRange> MergedRangeAt(CellRef cell) const;

  // Switches off the "number stored as text" indicator of a cell.
  void IgnoreNumberStoredAsText(CellRef cell);
  const std::set<CellRef>& NumberAsTextIgnored() const { return number_as_text_ignored_; }

  // Column widths in characters of the default font's "0" (0 to 255) and
  // row heights in points (0 to 409). The defaults size every column (row)
  // and drop the widths (heights) set for single ones before, as sizing all
  // cells does in Office.
  void SetDefaultColumnWidth(double characters);
  std::optional<double> DefaultColumnWidth() const { return default_column_width_; }
  void SetColumnWidth(std::int32_t column, double characters);
  // The width in force: the column's own, else the default, else 8.43.
  double ColumnWidth(std::int32_t column) const;
  const std::map<std::int32_t, double>& ColumnWidths() const { return column_widths_; }
  void SetDefaultRowHeight(double points);
  std::optional<double> DefaultRowHeight() const { return default_row_height_; }
  void SetRowHeight(std::int32_t row, double points);
  // The height in force: the row's own, else the default, else the height
  // of the default font's line.
  double RowHeight(std::int32_t row) const;
  // Fit the column to its widest content, and rows to their tallest (see
  // auto_fit.h for how widths and heights are measured).
  void AutoFitColumn(std::int32_t column);
  void AutoFitRows(std::int32_t first_row, std::int32_t last_row);

  // Page setup and print titles. SetPageSetup checks the values.
  const PageSetup& Page() const { return page_setup_; }
  void SetPageSetup(const PageSetup& setup);

  // The active cell (the one selected when the sheet is shown).
  void SelectCell(CellRef cell);
  CellRef ActiveCell() const { return active_cell_; }

  // Drawing objects anchored on the sheet by position in points; the sheet
  // keeps them in the order added.
  DrawingObject& AddDrawing(std::unique_ptr<DrawingObject> drawing);
  const std::vector<std::unique_ptr<DrawingObject>>& Drawings() const { return drawings_; }

  // For writers: the rows with cells or heights, in order, and the sheet's
  // rich texts and formulas (StoredCell::ref indexes them).
  const std::map<std::int32_t, StoredRow>& Rows() const { return rows_; }
  const RichText& RichTextAt(std::uint32_t index) const { return rich_texts_.at(index); }
  const Formula& FormulaAt(std::uint32_t index) const { return formulas_.at(index); }
  const WorkbookContext& Context() const { return context_; }
  // The smallest range holding every stored cell; nullopt when none.
  std::optional<CellRange> UsedRange() const;
  // Whether a cell holds a formula.
  bool HasFormulas() const;

  // Drops the contents of a sheet that has been written to its file, so a
  // workbook of thousands of sheets is never in memory whole. The name,
  // page setup and active cell stay; reading or changing the contents
  // afterwards throws std::logic_error.
  void Release();
  bool Released() const { return released_; }

 private:
  friend class Workbook;

  void CheckHeld() const;
  const StoredCell* FindCell(CellRef cell) const;
  StoredRow& RowAt(std::int32_t row);
  StoredCell& CellAt(CellRef cell);
  // Calls visit(StoredCell&) for every cell of the range, creating the
  // missing ones with the base format.
  template <typename Visit>
  void ForEachCell(const CellRange& range, Visit visit);
  void StoreValue(CellRef cell, CellKind kind, double number, std::uint32_t ref);
  void ReformatRange(const CellRange& range, const auto& reformat);
  void ReformatAllCells(const std::function<void(CellFormat&)>& reformat);

  std::string name_;
  WorkbookContext& context_;
  std::map<std::int32_t, StoredRow> rows_;
  std::vector<RichText> rich_texts_;
  std::vector<Formula> formulas_;
  FormatTable::Id base_format_ = 0;
  std::vector<CellRange> merged_;
  std::set<CellRef> number_as_text_ignored_;
  std::optional<double> default_column_width_;
  std::map<std::int32_t, double> column_widths_;
  std::optional<double> default_row_height_;
  PageSetup page_setup_;
  CellRef active_cell_;
  std::vector<std::unique_ptr<DrawingObject>> drawings_;
  bool released_ = false;
  bool had_formulas_ = false;  // when released
};

}  // namespace tabulo::office
