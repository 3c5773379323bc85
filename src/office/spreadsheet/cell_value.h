#pragma once

#include <string>
#include <variant>

#include "office/spreadsheet/rich_text.h"

namespace tabulo::office {

// The value a formula showed when it was last calculated.
using CachedValue = std::variant<std::monostate, double, std::string, bool>;

// A formula in A1 notation without the leading "=" ("'T1'!$C$5", "SUM(A1:A3)").
struct Formula {
  std::string text{};
  CachedValue cached{};

  friend bool operator==(const Formula&, const Formula&) = default;
};

// What a cell holds: nothing, a number, a text, a boolean, rich text or a formula.
using CellValue = std::variant<std::monostate, double, std::string, bool, RichText, Formula>;

// Office's limits on what a cell may hold (UTF-16 units).
inline constexpr std::size_t kMaxCellTextLength = 32767;
inline constexpr std::size_t kMaxFormulaLength = 8192;

}  // namespace tabulo::office
