#include "office/spreadsheet/cell_reference.h"

#include <algorithm>
#include <charconv>
#include <stdexcept>

namespace tabulo::office {

bool IsValidCell(CellRef cell) {
  return cell.row >= 1 && cell.row <= kMaxRows && cell.column >= 1 && cell.column <= kMaxColumns;
}

bool IsValidRange(const CellRange& range) {
  return IsValidCell(range.first) && IsValidCell(range.last) && range.first.row <= range.last.row &&
         range.first.column <= range.last.column;
}

void CheckCell(CellRef cell) {
  if (!IsValidCell(cell)) {
    throw std::out_of_range("cell outside the sheet: row " + std::to_string(cell.row) + ", column " +
                            std::to_string(cell.column));
  }
}

void CheckRange(const CellRange& range) {
  if (!IsValidRange(range)) {
    throw std::out_of_range("invalid range: rows " + std::to_string(range.first.row) + " to " +
                            std::to_string(range.last.row) + ", columns " +
                            std::to_string(range.first.column) + " to " + std::to_string(range.last.column));
  }
}

std::string ColumnName(std::int32_t column) {
  std::string letters;
  while (column > 0) {
    const int remainder = (column - 1) % 26;
    letters.insert(letters.begin(), static_cast<char>('A' + remainder));
    column = (column - 1) / 26;
  }
  return letters;
}

void AppendCellName(std::string& out, CellRef cell) {
  char letters[4];
  int count = 0;
  for (std::int32_t column = cell.column; column > 0 && count < 4; column = (column - 1) / 26) {
    letters[count++] = static_cast<char>('A' + (column - 1) % 26);
  }
  while (count > 0) out.push_back(letters[--count]);
  char digits[12];
  auto result = std::to_chars(digits, digits + sizeof digits, cell.row);
  out.append(digits, result.ptr);
}

std::string CellName(CellRef cell, bool absolute) {
  if (!absolute) {
    std::string name;
    AppendCellName(name, cell);
    return name;
  }
  return "$" + ColumnName(cell.column) + "$" + std::to_string(cell.row);
}

std::string RangeName(const CellRange& range, bool absolute) {
  if (range.IsSingleCell()) return CellName(range.first, absolute);
  return CellName(range.first, absolute) + ":" + CellName(range.last, absolute);
}

std::optional<CellRef> ParseCellName(std::string_view text) {
  std::size_t position = 0;
  if (position < text.size() && text[position] == '$') ++position;
  std::int64_t column = 0;
  std::size_t letters = 0;
  while (position < text.size() && letters < 4) {
    char c = text[position];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c < 'A' || c > 'Z') break;
    column = column * 26 + (c - 'A' + 1);
    ++position;
    ++letters;
  }
  if (letters == 0 || column > kMaxColumns) return std::nullopt;
  if (position < text.size() && text[position] == '$') ++position;
  if (position >= text.size() || text[position] == '0') return std::nullopt;
  std::int32_t row = 0;
  auto result = std::from_chars(text.data() + position, text.data() + text.size(), row);
  if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return std::nullopt;
  CellRef cell{row, static_cast<std::int32_t>(column)};
  if (!IsValidCell(cell)) return std::nullopt;
  return cell;
}

std::optional<CellRange> ParseRangeName(std::string_view text) {
  const std::size_t colon = text.find(':');
  if (colon == std::string_view::npos) {
    auto cell = ParseCellName(text);
    if (!cell) return std::nullopt;
    return CellRange::Single(*cell);
  }
  auto first = ParseCellName(text.substr(0, colon));
  auto last = ParseCellName(text.substr(colon + 1));
  if (!first || !last) return std::nullopt;
  return CellRange{{std::min(first->row, last->row), std::min(first->column, last->column)},
                   {std::max(first->row, last->row), std::max(first->column, last->column)}};
}

}  // namespace tabulo::office
