#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "office/spreadsheet/cell_format.h"
#include "office/spreadsheet/rich_text.h"
#include "office/spreadsheet/text_pool.h"

namespace tabulo::office {

// Builds xl/sharedStrings.xml while the worksheets are written: each
// distinct text gets one entry, whose index the cells carry. Rich text is
// written with every run's font complete (the cell's font under the run's
// own members), so the same runs in cells of different fonts are different
// entries.
class SharedStringTable {
 public:
  explicit SharedStringTable(const TextPool& texts);

  std::uint32_t IndexOfText(TextPool::Id text);
  std::uint32_t IndexOfRichText(const RichText& runs, const Font& cell_font);

  bool Empty() const { return entries_.empty(); }
  std::uint64_t ReferenceCount() const { return references_; }
  std::size_t UniqueCount() const { return entries_.size(); }
  std::string Xml() const;

 private:
  struct Entry {
    TextPool::Id text = 0;
    std::vector<std::pair<std::string, Font>> runs;  // empty for plain text
  };
  const TextPool& texts_;
  std::vector<Entry> entries_;
  std::vector<std::uint32_t> index_of_text_;  // by pool id; UINT32_MAX while unused
  std::map<std::pair<std::vector<std::string>, std::vector<std::size_t>>, std::uint32_t> rich_index_;
  std::vector<Font> run_fonts_;
  std::uint64_t references_ = 0;
};

}  // namespace tabulo::office
