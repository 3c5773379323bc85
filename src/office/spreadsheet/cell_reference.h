#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tabulo::office {

// The size of a worksheet.
inline constexpr std::int32_t kMaxRows = 1048576;
inline constexpr std::int32_t kMaxColumns = 16384;

// A cell by 1-based row and column.
struct CellRef {
  std::int32_t row = 1;
  std::int32_t column = 1;

  friend auto operator<=>(const CellRef&, const CellRef&) = default;
};

// The rectangle from `first` (top left) to `last` (bottom right), both included.
struct CellRange {
  CellRef first;
  CellRef last;

  static CellRange Single(CellRef cell) { return {cell, cell}; }
  std::int64_t RowCount() const { return std::int64_t{last.row} - first.row + 1; }
  std::int64_t ColumnCount() const { return std::int64_t{last.column} - first.column + 1; }
  std::int64_t CellCount() const { return RowCount() * ColumnCount(); }
  bool IsSingleCell() const { return first == last; }
  bool Contains(CellRef cell) const {
    return cell.row >= first.row && cell.row <= last.row && cell.column >= first.column &&
           cell.column <= last.column;
  }
  bool Intersects(const CellRange& other) const {
    return first.row <= other.last.row && other.first.row <= last.row && first.column <= other.last.column &&
           other.first.column <= last.column;
  }

  friend auto operator<=>(const CellRange&, const CellRange&) = default;
};

bool IsValidCell(CellRef cell);
// Valid corners with first <= last in both directions.
bool IsValidRange(const CellRange& range);
// Throws std::out_of_range naming the cell or range when it is not valid.
void CheckCell(CellRef cell);
void CheckRange(const CellRange& range);

// Column letters: 1 -> "A", 26 -> "Z", 27 -> "AA", 16384 -> "XFD".
std::string ColumnName(std::int32_t column);
// "B3"; "$B$3" with absolute.
std::string CellName(CellRef cell, bool absolute = false);
void AppendCellName(std::string& out, CellRef cell);
// "A1:C4", or "A1" for a single cell.
std::string RangeName(const CellRange& range, bool absolute = false);

// Parses "B3" or "$B$3" (letters in either case); nullopt for anything else
// or a cell outside the sheet.
std::optional<CellRef> ParseCellName(std::string_view text);
// Parses "A1:C4" or a single cell name; the corners may come in any order
// and are put in order.
std::optional<CellRange> ParseRangeName(std::string_view text);

}  // namespace tabulo::office
