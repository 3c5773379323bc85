#include "scripts/text/cline.h"

#include <algorithm>

namespace tabulo::text {

void CLine::GrowFor(std::size_t index) {
  if (slots_.size() < index + 2) slots_.resize(index + 2);
}

void CLine::SetElement(std::size_t index, std::string_view text) {
  GrowFor(index);
  slots_[index] = text;
}

const std::string& CLine::GetElement(std::size_t index) {
  GrowFor(index);
  return slots_[index];
}

std::string CLine::LineStr() const {
  std::string line;
  AppendLineStr(line);
  return line;
}

void CLine::AppendLineStr(std::string& out) const {
  for (const std::string& slot : slots_) {
    out.append(slot);
    out.append(delimiter_);
  }
}

void CLine::PadRight(std::size_t count) {
  std::size_t elements = ElementCount();
  slots_.resize(elements + count + 1);
  std::move_backward(slots_.begin(), slots_.begin() + static_cast<std::ptrdiff_t>(elements),
                     slots_.begin() + static_cast<std::ptrdiff_t>(elements + count));
  std::fill_n(slots_.begin(), count, std::string());
}

}  // namespace tabulo::text
