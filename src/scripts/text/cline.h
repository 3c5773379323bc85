#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tabulo::text {

// One delimited output line made of element slots. There is always exactly
// one empty slot after the last filled one, and every slot, that one too, is
// written followed by the delimiter: elements A and B give "A;B;;".
class CLine {
 public:
  CLine() = default;
  explicit CLine(std::string_view delimiter) : delimiter_(delimiter) {}

  // Setting or reading slot i first grows the line to at least i + 2 slots.
  void SetElement(std::size_t index, std::string_view text);
  const std::string& GetElement(std::size_t index);
  std::size_t ElementCount() const { return slots_.size() - 1; }

  std::string LineStr() const;
  void AppendLineStr(std::string& out) const;
  void DelimiterStr(std::string_view delimiter) { delimiter_ = delimiter; }
  const std::string& DelimiterStr() const { return delimiter_; }

  // Shifts every element n slots to the right, leaving n empty slots in front.
  void PadRight(std::size_t count);
  // Back to a single slot, keeping what the first one holds.
  void Clear() { slots_.resize(1); }
  // Back to a new line (the delimiter stays).
  void ClearAll() { slots_.assign(1, std::string()); }

 private:
  void GrowFor(std::size_t index);

  std::vector<std::string> slots_ = std::vector<std::string>(1);
  std::string delimiter_;
};

}  // namespace tabulo::text
