#include "tables/cannotation.h"

#include "tables/attribute_reading.h"
#include "tables/markup_text.h"

namespace tabulo::tables {

void CAnnotation::OnStartElement(RenderContext& context, const xml::Attributes& attributes) {
  CSAXEventHandler::OnStartElement(context, attributes);
  ReadEnumerated(attributes, "Position", AnnotationPositionNames(), position_);
  ReadString(attributes, "Text", text_);
  text_ = PrepareMarkupSafe(std::move(text_));
}

}  // namespace tabulo::tables
