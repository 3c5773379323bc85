#include "tables/ccell_item.h"

#include "tables/attribute_reading.h"

namespace tabulo::tables {

void CCellItem::OnStartElement(RenderContext& context, const xml::Attributes& attributes) {
  CSAXEventHandler::OnStartElement(context, attributes);
  ReadEnumerated(attributes, "Type", CellItemTypeNames(), type_);
  ReadInteger(attributes, "Decimals", decimals_);
}

}  // namespace tabulo::tables
