#pragma once

#include <string>

#include "tables/handler_collections.h"
#include "tables/sax_event_handler.h"

namespace tabulo::tables {

// Filter: a filter applied to a table.
class CFilter final : public CSAXEventHandler {
 public:
  CFilter() = default;
  void OnStartElement(RenderContext& context, const xml::Attributes& attributes) override;
  std::string_view GetElementName() const override { return "Filter"; }

  const std::string& Name() const { return name_; }
  // Markup-safe.
  const std::string& Description() const { return description_; }
  const std::string& Expression() const { return expression_; }
  const std::string& Level() const { return level_; }

 private:
  std::string name_;
  std::string description_;
  std::string expression_;
  std::string level_;
};

class CFilters final : public CSAXEventHandlerNamedCollection<CFilter> {
 public:
  std::string_view GetElementName() const override { return "Filters"; }
  std::string_view GetChildElementName() const override { return "Filter"; }
};

}  // namespace tabulo::tables
