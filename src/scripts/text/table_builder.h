#pragma once

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

#include "scripts/text/table_tree.h"
#include "scripts/text/value_rows.h"
#include "xml/sax_reader.h"

namespace tabulo::text {

// Collects one Table element from the parse events: its elements into a
// TableTree, the attributes of its CellValues/Layer/row elements into
// ValueRows (only for a populated table, the only kind that reads them).
class TableBuilder {
 public:
  // Starts with the Table's own start tag.
  explicit TableBuilder(const xml::Attributes& table_attributes);

  void StartElement(std::string_view name, const xml::Attributes& attributes);
  // Returns true when this was the end of the Table itself.
  bool EndElement();

  const TableTree& Tree() const { return tree_; }
  std::unique_ptr<ValueRows> TakeValues() { return std::move(values_); }

 private:
  bool IsValueRow(std::string_view name) const;
  void Open(std::string_view name, const xml::Attributes& attributes);

  TableTree tree_;
  std::unique_ptr<ValueRows> values_ = std::make_unique<ValueRows>();
  bool populated_ = false;
  // Elements inside a value row: nothing reads them.
  std::size_t skipped_depth_ = 0;
  std::vector<TableTree::NamedValue> kept_;
};

}  // namespace tabulo::text
