#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tabulo::text {

// The value rows of one table (CellValues/Layer/row), held compactly: every
// value in one buffer, indexed per row by its c-number. Only attributes named
// exactly "c" + a decimal number without leading zeros are values.
class ValueRows {
 public:
  // A row is given as StartRow, AddAttribute for each of its attributes, EndRow.
  void StartRow();
  // Keeps the attribute when its name is a value name; ignores it otherwise.
  void AddAttribute(std::string_view name, std::string_view value);
  void EndRow();

  std::size_t Count() const { return row_starts_.size(); }
  // The value "c" + number of the row; nullopt when the row has no such attribute.
  std::optional<std::string_view> Value(std::size_t row, std::uint32_t number) const;

  // The c-number of an attribute name, or nullopt when it is no value name.
  static std::optional<std::uint32_t> ValueNumber(std::string_view name);

 private:
  struct Entry {
    std::uint32_t number;
    std::uint32_t offset;
    std::uint32_t size;
  };

  std::string text_;
  std::vector<Entry> entries_;
  std::vector<std::uint32_t> row_starts_;
  bool row_sorted_ = true;
};

}  // namespace tabulo::text
