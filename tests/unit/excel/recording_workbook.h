#pragma once

#include <algorithm>
#include <cctype>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "scripts/excel/excel_operations.h"

namespace tabulo::excel::fixtures {

// What one cell received, as plain values.
struct RecordedCell {
  std::variant<std::monostate, std::string, double, std::vector<TextRun>> value;
  std::string number_format;  // "" for General
  CellFormat format;
  std::string style;
  bool ignores_number_as_text = false;
};

struct RecordedBorder {
  CellRange range;
  BorderEdge edge;
  Border border;

  friend bool operator==(const RecordedBorder&, const RecordedBorder&) = default;
};

inline void Overlay(CellFormat& target, const CellFormat& change) {
  if (change.font_name) target.font_name = change.font_name;
  if (change.font_size) target.font_size = change.font_size;
  if (change.bold) target.bold = change.bold;
  if (change.italic) target.italic = change.italic;
  if (change.font_colour) target.font_colour = change.font_colour;
  if (change.orientation) target.orientation = change.orientation;
  if (change.horizontal) target.horizontal = change.horizontal;
  if (change.vertical) target.vertical = change.vertical;
  if (change.wrap_text) target.wrap_text = change.wrap_text;
  if (change.indent_level) target.indent_level = change.indent_level;
}

// A worksheet that keeps every operation's effect in maps.
class RecordingWorksheet final : public ExcelWorksheet {
 public:
  std::string name;
  bool active = false;
  std::map<CellRef, RecordedCell> cells;
  std::vector<CellRange> merges;
  std::vector<RecordedBorder> borders;
  std::optional<double> row_height;
  std::optional<double> column_width;
  std::vector<std::int32_t> auto_fit_columns;
  std::vector<std::pair<std::int32_t, std::int32_t>> auto_fit_rows;
  std::optional<PageOrientation> orientation;
  bool zoom_off = false;
  std::optional<std::pair<std::int32_t, std::int32_t>> fit_to_pages;
  std::optional<std::pair<std::int32_t, std::int32_t>> title_columns;
  std::optional<std::pair<std::int32_t, std::int32_t>> title_rows;
  std::optional<CellRef> selected;
  bool fail_page_setup = false;

  std::string Name() const override { return name; }
  void SetName(std::string_view new_name) override { name = std::string(new_name); }
  void Activate() override { active = true; }
  void SetText(CellRef cell, std::string_view text) override { cells[cell].value = std::string(text); }
  void SetNumber(CellRef cell, double value) override { cells[cell].value = value; }
  void SetRichText(CellRef cell, std::span<const TextRun> runs) override {
    cells[cell].value = std::vector<TextRun>(runs.begin(), runs.end());
  }
  std::string NumberFormat(CellRef cell) const override {
    auto found = cells.find(cell);
    return found == cells.end() ? std::string() : found->second.number_format;
  }
  void SetNumberFormat(const CellRange& range, std::string_view format) override {
    std::string lower(format);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return static_cast<char>(std::tolower(c)); });
    ForEach(range,
            [&](RecordedCell& cell) { cell.number_format = lower == "general" ? "" : std::string(format); });
  }
  void SetFormat(const CellRange& range, const CellFormat& format) override {
    ForEach(range, [&](RecordedCell& cell) { Overlay(cell.format, format); });
  }
  void SetStyle(const CellRange& range, std::string_view style) override {
    ForEach(range, [&](RecordedCell& cell) { cell.style = std::string(style); });
  }
  void SetBorder(const CellRange& range, BorderEdge edge, Border border) override {
    borders.push_back({range, edge, border});
  }
  void Merge(const CellRange& range) override { merges.push_back(range); }
  void IgnoreNumberStoredAsText(CellRef cell) override { cells[cell].ignores_number_as_text = true; }
  void SetAllRowHeights(double points) override { row_height = points; }
  void SetAllColumnWidths(double characters) override { column_width = characters; }
  void AutoFitColumn(std::int32_t column) override { auto_fit_columns.push_back(column); }
  void AutoFitRows(std::int32_t first, std::int32_t last) override {
    auto_fit_rows.emplace_back(first, last);
  }
  void SetPageOrientation(PageOrientation value) override {
    if (fail_page_setup) throw std::runtime_error("no printer");
    orientation = value;
  }
  void SetZoomOff() override { zoom_off = true; }
  void SetFitToPages(std::int32_t wide, std::int32_t tall) override { fit_to_pages = {wide, tall}; }
  void SetPrintTitleColumns(std::int32_t first, std::int32_t last) override { title_columns = {first, last}; }
  void SetPrintTitleRows(std::int32_t first, std::int32_t last) override { title_rows = {first, last}; }
  void Select(CellRef cell) override { selected = cell; }

  // Reading back.
  const RecordedCell* At(std::int32_t row, std::int32_t column) const {
    auto found = cells.find(CellRef{row, column});
    return found == cells.end() ? nullptr : &found->second;
  }
  // The text of a cell; "" when it holds no text.
  std::string Text(std::int32_t row, std::int32_t column) const {
    const RecordedCell* cell = At(row, column);
    if (cell == nullptr) return {};
    if (const auto* text = std::get_if<std::string>(&cell->value)) return *text;
    return {};
  }
  std::optional<double> Number(std::int32_t row, std::int32_t column) const {
    const RecordedCell* cell = At(row, column);
    if (cell == nullptr) return std::nullopt;
    if (const auto* number = std::get_if<double>(&cell->value)) return *number;
    return std::nullopt;
  }
  bool IsEmpty(std::int32_t row, std::int32_t column) const {
    const RecordedCell* cell = At(row, column);
    return cell == nullptr || std::holds_alternative<std::monostate>(cell->value);
  }
  std::string FormatOf(std::int32_t row, std::int32_t column) const {
    return NumberFormat(CellRef{row, column});
  }
  CellFormat Format(std::int32_t row, std::int32_t column) const {
    const RecordedCell* cell = At(row, column);
    return cell == nullptr ? CellFormat{} : cell->format;
  }
  std::string Style(std::int32_t row, std::int32_t column) const {
    const RecordedCell* cell = At(row, column);
    return cell == nullptr ? std::string() : cell->style;
  }
  // Cells that hold a value, in row-major order: "R1C1=text" or "R1C1#number".
  std::vector<std::string> Contents() const {
    std::vector<std::string> out;
    for (const auto& [ref, cell] : cells) {
      std::string key = "R" + std::to_string(ref.row) + "C" + std::to_string(ref.column);
      if (const auto* text = std::get_if<std::string>(&cell.value)) out.push_back(key + "=" + *text);
      if (const auto* number = std::get_if<double>(&cell.value)) out.push_back(key + "#" + Plain(*number));
      if (const auto* runs = std::get_if<std::vector<TextRun>>(&cell.value)) {
        std::string joined;
        for (const TextRun& run : *runs) joined += run.text;
        out.push_back(key + "~" + joined);
      }
    }
    return out;
  }

 private:
  static std::string Plain(double number) {
    std::string text = std::to_string(number);
    while (!text.empty() && text.back() == '0') text.pop_back();
    if (!text.empty() && text.back() == '.') text.pop_back();
    return text;
  }
  template <typename Change>
  void ForEach(const CellRange& range, Change change) {
    for (std::int32_t row = range.first.row; row <= range.last.row; ++row) {
      for (std::int32_t column = range.first.column; column <= range.last.column; ++column) {
        change(cells[CellRef{row, column}]);
      }
    }
  }
};

// A workbook that starts, like a new Excel workbook, with one worksheet.
class RecordingWorkbook final : public ExcelWorkbook {
 public:
  RecordingWorkbook() { sheets.push_back(std::make_unique<RecordingWorksheet>()); }

  std::vector<std::unique_ptr<RecordingWorksheet>> sheets;
  std::vector<NamedStyle> styles;
  std::vector<bool> screen_updating;

  std::int32_t WorksheetCount() const override { return static_cast<std::int32_t>(sheets.size()); }
  ExcelWorksheet& Worksheet(std::int32_t index) override { return Sheet(index); }
  ExcelWorksheet& AddWorksheet() override {
    sheets.push_back(std::make_unique<RecordingWorksheet>());
    return *sheets.back();
  }
  void AddStyle(const NamedStyle& style) override { styles.push_back(style); }
  void SetScreenUpdating(bool on) override { screen_updating.push_back(on); }

  RecordingWorksheet& Sheet(std::int32_t index) {
    if (index < 1 || index > WorksheetCount()) throw std::out_of_range("no such worksheet");
    return *sheets[static_cast<std::size_t>(index - 1)];
  }
};

}  // namespace tabulo::excel::fixtures
