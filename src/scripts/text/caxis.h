#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "scripts/text/cflat_item.h"
#include "scripts/text/cline.h"

namespace tabulo::text {

class CTextProperties;

// An axis of a table as output lines. The top axis is hierarchical: line 2k
// holds the variable labels of nesting level k, line 2k + 1 their element
// labels (and, with column headings, one more line the heading ids). The
// side axis is flat: one item per output line, flattened into one column.
class CAxis {
 public:
  // Lines the axis creates take the field delimiter of the properties.
  void Props(const CTextProperties& properties);

  // Must be called before a flat axis is used.
  void InitFlatAxis();
  void SetFlatItem(std::string_view text, bool leaf);
  bool IsFlat() const { return flat_; }
  // The leaf flag of the flat item read last.
  bool FlatLeaf() const { return flat_leaf_; }

  // Flat: the item's text (and FlatLeaf becomes its leaf flag); hierarchical:
  // the line's string. An index beyond the axis gives an empty text.
  std::string GetLineStr(std::size_t index);
  void AppendLineStr(std::size_t index, std::string& out);

  // The line at that depth, created empty (with the delimiter) when none.
  CLine& GetDataLine(std::size_t depth);
  void SetDataLine(std::size_t depth, CLine line);
  // nullptr when there is no line at that index.
  const CLine* GetLine(std::size_t index) const;
  std::size_t LineCount() const { return lines_.size(); }
  // The element count of the last line when the axis has more lines than
  // depth, else 0: the column where the next label at that depth goes.
  std::size_t LeafCount(std::size_t depth) const;

  // Pads every line with the given number of empty cells on the left.
  void ShiftRight(std::size_t columns);
  // Turns the axis a quarter counter-clockwise: element j of line i becomes
  // element i of line j.
  void TransformToSideAxis();

  std::size_t Height() const { return flat_ ? items_.size() : lines_.size(); }
  std::size_t Width() const { return flat_ ? 1 : LeafCount(1); }

 private:
  bool flat_ = false;
  bool flat_leaf_ = false;
  std::string delimiter_;
  std::map<std::size_t, CLine> lines_;
  std::vector<CFlatItem> items_;
};

}  // namespace tabulo::text
