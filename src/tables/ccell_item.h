#pragma once

#include <cstdint>

#include "tables/handler_collections.h"
#include "tables/sax_event_handler.h"
#include "tables/vocabularies.h"

namespace tabulo::tables {

// CellItem: one of the values every cell carries.
class CCellItem final : public CSAXEventHandler {
 public:
  CCellItem() = default;
  CCellItem(CellItemType type, std::int32_t decimals) : type_(type), decimals_(decimals) {}

  void OnStartElement(RenderContext& context, const xml::Attributes& attributes) override;
  std::string_view GetElementName() const override { return "CellItem"; }

  CellItemType Type() const { return type_; }
  std::int32_t Decimals() const { return decimals_; }

 private:
  CellItemType type_ = CellItemType::kCount;
  std::int32_t decimals_ = -1;
};

class CCellItems final : public CSAXEventHandlerIndexedCollection<CCellItem> {
 public:
  std::string_view GetElementName() const override { return "CellItems"; }
  std::string_view GetChildElementName() const override { return "CellItem"; }
};

}  // namespace tabulo::tables
