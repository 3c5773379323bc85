#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tabulo::excel {

// A well-formed Tables XML cut into one small document per table, so that
// only one table's tree is in memory at a time: a parsed document takes
// twenty times its text. Each document holds the prolog of the whole (the
// declaration and a document type with its entities), the Document start
// tag with its attributes, and one Document/Tables/Table element, in
// document order. The text must stay alive while the cuts are used.
class TableDocuments {
 public:
  // The text must be well-formed XML (checked by the caller).
  explicit TableDocuments(std::string_view text);

  std::size_t Count() const { return tables_.size(); }
  std::string Document(std::size_t index) const;

 private:
  void Scan(std::string_view text);

  std::string_view head_;  // prolog and Document start tag
  std::vector<std::string_view> tables_;
};

}  // namespace tabulo::excel
