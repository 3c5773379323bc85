#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tables/sax_event_handler.h"

namespace tabulo::tables {

class CRows;

// One row of cell values: a view into its table's value store, valid as long
// as the table. Values are markup-safe and written raw; an empty value
// stands for an absent one.
class CRow {
 public:
  CRow(const CRows& rows, std::size_t first, std::size_t count)
      : rows_(&rows), first_(first), count_(count) {}

  std::size_t size() const { return count_; }
  std::string_view operator[](std::size_t index) const;

 private:
  const CRows* rows_;
  std::size_t first_;
  std::size_t count_;
};

// CellValues: the rows of all its Layer elements in document order. Each row
// keeps its attribute values from the second attribute on (the first is not
// a value). All values of the table share one text and one offset list, so a
// value costs its own bytes and four more.
class CRows final : public CSAXEventHandler {
 public:
  CRows() = default;

  // Outside a Layer only a Layer is handled (by this object again); inside
  // one only rows are.
  CSAXEventHandler* CreateChildHandler(std::string_view local_name,
                                       const xml::Attributes& attributes) override;
  void OnEndElement(std::string_view local_name) override;
  std::string_view GetElementName() const override { return "CellValues"; }

  std::size_t size() const { return row_firsts_.size(); }
  bool empty() const { return row_firsts_.empty(); }
  CRow operator[](std::size_t index) const;

 private:
  friend class CRow;

  // The handler of a row element; the row's content is read when it starts.
  class CRowHandler final : public CSAXEventHandler {
   public:
    std::string_view GetElementName() const override { return "row"; }
  };

  void AppendRow(const xml::Attributes& attributes);
  std::string_view Value(std::size_t index) const;

  bool in_layer_ = false;
  std::string text_;
  std::vector<std::uint32_t> value_ends_;  // end of each value in text_
  std::vector<std::uint32_t> row_firsts_;  // index of each row's first value
  CRowHandler row_handler_;
};

}  // namespace tabulo::tables
