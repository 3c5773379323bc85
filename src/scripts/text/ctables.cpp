#include "scripts/text/ctables.h"

#include <algorithm>

namespace tabulo::text {

void CTables::AddTable(CTable table) {
  tables_.push_back(std::move(table));
  dirty_ = true;
}

void CTables::Clear() {
  tables_.clear();
  dirty_ = true;
}

bool CTables::GetTableID(std::size_t line, std::size_t& table, std::size_t& row) {
  if (dirty_) {
    cumulative_heights_.clear();
    std::size_t total = 0;
    for (const CTable& entry : tables_) {
      total += entry.TableHeight();
      cumulative_heights_.push_back(total);
    }
    dirty_ = false;
  }
  auto found = std::upper_bound(cumulative_heights_.begin(), cumulative_heights_.end(), line);
  if (found == cumulative_heights_.end()) return false;
  table = static_cast<std::size_t>(found - cumulative_heights_.begin());
  row = table == 0 ? line : line - cumulative_heights_[table - 1];
  return true;
}

}  // namespace tabulo::text
