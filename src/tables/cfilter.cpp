#include "tables/cfilter.h"

#include "tables/attribute_reading.h"
#include "tables/markup_text.h"

namespace tabulo::tables {

void CFilter::OnStartElement(RenderContext& context, const xml::Attributes& attributes) {
  CSAXEventHandler::OnStartElement(context, attributes);
  ReadString(attributes, "Name", name_);
  ReadString(attributes, "Description", description_);
  description_ = PrepareMarkupSafe(std::move(description_));
  ReadString(attributes, "Expression", expression_);
  ReadString(attributes, "Level", level_);
}

}  // namespace tabulo::tables
