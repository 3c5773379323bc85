#pragma once

#include <cstddef>
#include <vector>

#include "scripts/text/ctable.h"

namespace tabulo::text {

// The tables whose lines are still to be written, seen as one run of lines:
// a document line number maps to a table and a row of it through the
// cumulative line counts, rebuilt after the tables changed.
class CTables {
 public:
  void AddTable(CTable table);
  CTable& GetTable(std::size_t index) { return tables_.at(index); }
  std::size_t NoOfTables() const { return tables_.size(); }
  void Clear();
  // The table and the row of it that hold document line `line`; false past the last line.
  bool GetTableID(std::size_t line, std::size_t& table, std::size_t& row);

 private:
  std::vector<CTable> tables_;
  std::vector<std::size_t> cumulative_heights_;
  bool dirty_ = false;
};

}  // namespace tabulo::text
