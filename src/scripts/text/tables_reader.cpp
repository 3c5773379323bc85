#include "scripts/text/tables_reader.h"

namespace tabulo::text {
namespace {

std::optional<std::string_view> Description(const xml::Attributes& attributes) {
  bool found = false;
  std::string_view value = attributes.Find("Description", found);
  if (!found) return std::nullopt;
  return value;
}

}  // namespace

void TablesReader::StartElement(std::string_view name, const xml::Attributes& attributes) {
  ++depth_;
  if (table_) {
    table_->StartElement(name, attributes);
    return;
  }
  if (depth_ == 1) {
    in_document_ = name == "Document";
    if (in_document_) events_.DocumentStarted(Description(attributes));
  } else if (depth_ == 2 && in_document_) {
    if (name == "DataSet" && !data_set_found_) {
      data_set_found_ = true;
      events_.DataSetFound(Description(attributes));
    }
    in_tables_ = name == "Tables";
  } else if (depth_ == 3 && in_tables_ && name == "Table") {
    table_.emplace(attributes);
  }
}

void TablesReader::EndElement(std::string_view) {
  if (table_) {
    if (table_->EndElement()) {
      events_.TableRead(*table_);
      table_.reset();
    }
  } else if (depth_ == 2) {
    in_tables_ = false;
  } else if (depth_ == 1 && in_document_) {
    events_.DocumentEnded();
  }
  --depth_;
}

}  // namespace tabulo::text
