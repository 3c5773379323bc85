#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string_view>

#include "scripts/text/table_builder.h"
#include "xml/sax_reader.h"

namespace tabulo::text {

// Reads the parts of a Tables XML document that the text export writes, as
// the parse goes: /Document/@Description, the first /Document/DataSet, and
// every /Document/Tables/Table once its end tag arrives, so that only one
// table is held at a time.
class TablesReader final : public xml::SaxHandler {
 public:
  class Events {
   public:
    virtual ~Events() = default;
    // The root element is a Document; nullopt when it has no Description.
    virtual void DocumentStarted(std::optional<std::string_view> description) = 0;
    // The first DataSet of the Document.
    virtual void DataSetFound(std::optional<std::string_view> description) = 0;
    virtual void TableRead(TableBuilder& table) = 0;
    // The end of the Document: no DataSet or table can follow.
    virtual void DocumentEnded() = 0;
  };

  explicit TablesReader(Events& events) : events_(events) {}

  void StartElement(std::string_view name, const xml::Attributes& attributes) override;
  void EndElement(std::string_view name) override;
  void Characters(std::string_view) override {}

 private:
  Events& events_;
  std::size_t depth_ = 0;
  bool in_document_ = false;
  bool in_tables_ = false;
  bool data_set_found_ = false;
  std::optional<TableBuilder> table_;
};

}  // namespace tabulo::text
