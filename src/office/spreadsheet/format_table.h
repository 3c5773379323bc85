#pragma once

#include <cstdint>
#include <deque>
#include <unordered_map>

#include "office/spreadsheet/cell_format.h"

namespace tabulo::office {

// Every distinct cell format of a workbook, each stored once and known by a
// small id, so that a cell carries four bytes of format. Id 0 is the format
// the table was made with (the Normal style's).
class FormatTable {
 public:
  using Id = std::uint32_t;

  explicit FormatTable(CellFormat normal);

  Id Intern(const CellFormat& format);
  const CellFormat& Get(Id id) const { return formats_.at(id); }
  std::size_t Size() const { return formats_.size(); }

 private:
  struct Hash {
    std::size_t operator()(const CellFormat* format) const { return HashOf(*format); }
  };
  struct Equal {
    bool operator()(const CellFormat* a, const CellFormat* b) const { return *a == *b; }
  };
  // A deque keeps the formats where they are, so the index can point at them.
  std::deque<CellFormat> formats_;
  std::unordered_map<const CellFormat*, Id, Hash, Equal> index_;
};

}  // namespace tabulo::office
