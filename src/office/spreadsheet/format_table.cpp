#include "office/spreadsheet/format_table.h"

#include <stdexcept>

namespace tabulo::office {

FormatTable::FormatTable(CellFormat normal) { Intern(normal); }

FormatTable::Id FormatTable::Intern(const CellFormat& format) {
  auto found = index_.find(&format);
  if (found != index_.end()) return found->second;
  if (formats_.size() >= UINT32_MAX) throw std::length_error("too many cell formats");
  const CellFormat& stored = formats_.emplace_back(format);
  const auto id = static_cast<Id>(formats_.size() - 1);
  index_.emplace(&stored, id);
  return id;
}

}  // namespace tabulo::office
