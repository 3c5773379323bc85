#include "office/spreadsheet/text_pool.h"

#include <stdexcept>

namespace tabulo::office {

TextPool::Id TextPool::Intern(std::string_view text) {
  auto found = index_.find(text);
  if (found != index_.end()) return found->second;
  if (texts_.size() >= UINT32_MAX) throw std::length_error("too many texts");
  const std::string& stored = texts_.emplace_back(text);
  const auto id = static_cast<Id>(texts_.size() - 1);
  index_.emplace(std::string_view(stored), id);
  return id;
}

}  // namespace tabulo::office
