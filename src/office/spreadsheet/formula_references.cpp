#include "office/spreadsheet/formula_references.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <stdexcept>

#include "office/spreadsheet/workbook.h"

namespace tabulo::office {
namespace {

bool IsNameCharacter(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_' || c == '.' ||
         static_cast<unsigned char>(c) >= 0x80;
}

// One coordinate after R or C: a number (absolute), [n] (relative) or
// nothing (the base's own).
struct Coordinate {
  bool absolute = false;
  std::int64_t value = 0;
};

std::optional<Coordinate> ReadCoordinate(std::string_view text, std::size_t& position) {
  if (position < text.size() && text[position] == '[') {
    const std::size_t close = text.find(']', position);
    if (close == std::string_view::npos) return std::nullopt;
    std::int64_t offset = 0;
    const char* first = text.data() + position + 1;
    const char* last = text.data() + close;
    auto result = std::from_chars(first, last, offset);
    if (result.ec != std::errc() || result.ptr != last) return std::nullopt;
    position = close + 1;
    return Coordinate{false, offset};
  }
  std::int64_t number = 0;
  const std::size_t start = position;
  while (position < text.size() && std::isdigit(static_cast<unsigned char>(text[position])) != 0 &&
         position - start < 8) {
    number = number * 10 + (text[position] - '0');
    ++position;
  }
  if (position == start) return Coordinate{false, 0};
  return Coordinate{true, number};
}

struct A1Reference {
  CellRef cell;
  bool absolute_row = false;
  bool absolute_column = false;
};

// Reads an R1C1 cell reference at `position`; on success moves past it.
std::optional<A1Reference> ReadReference(std::string_view text, std::size_t& position, CellRef base) {
  std::size_t cursor = position;
  if (cursor >= text.size() || (text[cursor] != 'R' && text[cursor] != 'r')) return std::nullopt;
  ++cursor;
  const auto row = ReadCoordinate(text, cursor);
  if (!row || cursor >= text.size() || (text[cursor] != 'C' && text[cursor] != 'c')) return std::nullopt;
  ++cursor;
  const auto column = ReadCoordinate(text, cursor);
  if (!column || (cursor < text.size() && (IsNameCharacter(text[cursor]) || text[cursor] == '('))) {
    return std::nullopt;
  }
  const std::int64_t row_number = row->absolute ? row->value : base.row + row->value;
  const std::int64_t column_number = column->absolute ? column->value : base.column + column->value;
  if (row_number < 1 || row_number > kMaxRows || column_number < 1 || column_number > kMaxColumns) {
    throw std::invalid_argument("reference outside the sheet in formula: " + std::string(text));
  }
  position = cursor;
  return A1Reference{{static_cast<std::int32_t>(row_number), static_cast<std::int32_t>(column_number)},
                     row->absolute,
                     column->absolute};
}

}  // namespace

std::string R1C1ToA1(std::string_view formula, CellRef base) {
  std::string result;
  result.reserve(formula.size() + 8);
  std::size_t position = 0;
  while (position < formula.size()) {
    const char c = formula[position];
    if (c == '"' || c == '\'') {
      // Quoted text or sheet name, where a doubled quote stands for one.
      std::size_t end = position + 1;
      while (end < formula.size()) {
        if (formula[end] == c) {
          if (end + 1 < formula.size() && formula[end + 1] == c) {
            end += 2;
            continue;
          }
          break;
        }
        ++end;
      }
      end = std::min(end + 1, formula.size());
      result.append(formula.substr(position, end - position));
      position = end;
      continue;
    }
    const bool starts_token = position == 0 || !IsNameCharacter(formula[position - 1]);
    if (starts_token) {
      if (auto reference = ReadReference(formula, position, base)) {
        if (reference->absolute_column) result.push_back('$');
        result += ColumnName(reference->cell.column);
        if (reference->absolute_row) result.push_back('$');
        result += std::to_string(reference->cell.row);
        continue;
      }
    }
    result.push_back(c);
    ++position;
  }
  return result;
}

CachedValue ReferencedValue(const Workbook& workbook, std::string_view home_sheet, std::string_view formula) {
  if (!formula.empty() && formula.front() == '=') formula.remove_prefix(1);
  std::string sheet_name(home_sheet);
  const std::size_t bang = formula.rfind('!');
  if (bang != std::string_view::npos) {
    std::string_view name = formula.substr(0, bang);
    if (name.size() >= 2 && name.front() == '\'' && name.back() == '\'') {
      sheet_name.clear();
      for (std::size_t i = 1; i + 1 < name.size(); ++i) {
        sheet_name.push_back(name[i]);
        if (name[i] == '\'') ++i;  // a doubled apostrophe stands for one
      }
    } else {
      sheet_name = std::string(name);
    }
    formula.remove_prefix(bang + 1);
  }
  const auto cell = ParseCellName(formula);
  if (!cell) return {};
  const Worksheet* sheet = workbook.FindSheet(sheet_name);
  if (sheet == nullptr) return {};
  const CellValue value = sheet->ValueAt(*cell);
  if (const double* number = std::get_if<double>(&value)) return *number;
  if (const std::string* text = std::get_if<std::string>(&value)) return *text;
  if (const bool* flag = std::get_if<bool>(&value)) return *flag;
  if (const RichText* runs = std::get_if<RichText>(&value)) return PlainText(*runs);
  if (const Formula* inner = std::get_if<Formula>(&value)) return inner->cached;
  return {};
}

}  // namespace tabulo::office
