#include "scripts/text/value_rows.h"

#include <algorithm>

namespace tabulo::text {

std::optional<std::uint32_t> ValueRows::ValueNumber(std::string_view name) {
  // Nine digits at most keep the number within 32 bits; no c-number that a
  // table can ask for is longer.
  if (name.size() < 2 || name.size() > 10 || name[0] != 'c' || name[1] == '0') return std::nullopt;
  std::uint32_t number = 0;
  for (char digit : name.substr(1)) {
    if (digit < '0' || digit > '9') return std::nullopt;
    number = number * 10 + static_cast<std::uint32_t>(digit - '0');
  }
  return number;
}

void ValueRows::StartRow() {
  row_starts_.push_back(static_cast<std::uint32_t>(entries_.size()));
  row_sorted_ = true;
}

void ValueRows::AddAttribute(std::string_view name, std::string_view value) {
  std::optional<std::uint32_t> number = ValueNumber(name);
  if (!number || row_starts_.empty()) return;
  if (entries_.size() > row_starts_.back() && entries_.back().number > *number) row_sorted_ = false;
  entries_.push_back(
      {*number, static_cast<std::uint32_t>(text_.size()), static_cast<std::uint32_t>(value.size())});
  text_.append(value);
}

// Producers write c1, c2, ... in order; a row written otherwise is sorted
// once so that lookups can search it.
void ValueRows::EndRow() {
  if (row_sorted_ || row_starts_.empty()) return;
  std::sort(entries_.begin() + row_starts_.back(), entries_.end(),
            [](const Entry& a, const Entry& b) { return a.number < b.number; });
  row_sorted_ = true;
}

std::optional<std::string_view> ValueRows::Value(std::size_t row, std::uint32_t number) const {
  if (row >= row_starts_.size() || number == 0) return std::nullopt;
  auto first = entries_.begin() + row_starts_[row];
  auto last = row + 1 < row_starts_.size() ? entries_.begin() + row_starts_[row + 1] : entries_.end();
  const Entry* found = nullptr;
  // The usual row holds c1 .. cN in order, so the n-th entry is cN.
  if (static_cast<std::size_t>(last - first) >= number && first[number - 1].number == number) {
    found = &first[number - 1];
  } else {
    auto at =
        std::lower_bound(first, last, number, [](const Entry& e, std::uint32_t n) { return e.number < n; });
    if (at != last && at->number == number) found = &*at;
  }
  if (found == nullptr) return std::nullopt;
  return std::string_view(text_).substr(found->offset, found->size);
}

}  // namespace tabulo::text
