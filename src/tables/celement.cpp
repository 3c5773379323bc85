#include "tables/celement.h"

#include "tables/ascii_case.h"
#include "tables/attribute_reading.h"
#include "tables/markup_text.h"

namespace tabulo::tables {

void CStyle::OnStartElement(RenderContext& context, const xml::Attributes& attributes) {
  CSAXEventHandler::OnStartElement(context, attributes);
  ReadString(attributes, "Image", image_);
  ReadEnumerated(attributes, "ImagePosition", ImagePositionNames(), image_position_);
}

CElement::CElement() = default;
CElement::~CElement() = default;

void CElement::OnStartElement(RenderContext& context, const xml::Attributes& attributes) {
  CSAXEventHandler::OnStartElement(context, attributes);
  ReadString(attributes, "Name", name_);
  ReadString(attributes, "Label", label_);
  if (context.use_formatted_labels) label_ = PrepareMarkupSafe(std::move(label_));
  ReadEnumerated(attributes, "Type", ElementTypeNames(), type_);
  ReadBoolean(attributes, "HasCellValues", has_cell_values_);
  ReadBoolean(attributes, "ShownOnTable", shown_on_table_);
  ReadInteger(attributes, "Decimals", decimals_);
}

CSAXEventHandler* CElement::CreateChildHandler(std::string_view local_name,
                                               const xml::Attributes& attributes) {
  if (EqualsIgnoringCase(local_name, "SubElements")) return StartChild(sub_elements_, Context(), attributes);
  if (EqualsIgnoringCase(local_name, "Style")) return StartChild(style_, Context(), attributes);
  return nullptr;
}

}  // namespace tabulo::tables
