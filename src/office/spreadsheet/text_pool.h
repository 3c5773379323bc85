#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <unordered_map>

namespace tabulo::office {

// The texts of a workbook's cells, each stored once.
class TextPool {
 public:
  using Id = std::uint32_t;

  Id Intern(std::string_view text);
  const std::string& Get(Id id) const { return texts_.at(id); }
  std::size_t Size() const { return texts_.size(); }

 private:
  std::deque<std::string> texts_;  // stable, so the index can view them
  std::unordered_map<std::string_view, Id> index_;
};

}  // namespace tabulo::office
