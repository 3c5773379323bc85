#include "tables/cproperty.h"

#include "tables/ascii_case.h"
#include "tables/attribute_reading.h"

namespace tabulo::tables {

void CPropertyText::OnStartElement(RenderContext& context, const xml::Attributes& attributes) {
  CSAXEventHandler::OnStartElement(context, attributes);
  text_.clear();
}

void CPropertyType::OnStartElement(RenderContext& context, const xml::Attributes& attributes) {
  CSAXEventHandler::OnStartElement(context, attributes);
  text_.clear();
  type_ = 0;
}

void CPropertyType::OnCharacters(std::string_view text) {
  text_.append(text);
  // A variant type is a 16-bit number; larger values keep their low bits.
  type_ = static_cast<std::uint16_t>(LeadingInteger(text_));
}

CSAXEventHandler* CProperty::CreateChildHandler(std::string_view local_name,
                                                const xml::Attributes& attributes) {
  CSAXEventHandler* child = nullptr;
  if (EqualsIgnoringCase(local_name, "name")) {
    child = &name_;
  } else if (EqualsIgnoringCase(local_name, "type")) {
    child = &type_;
  } else if (EqualsIgnoringCase(local_name, "value")) {
    child = &value_text_;
  }
  if (child != nullptr) child->OnStartElement(Context(), attributes);
  return child;
}

void CProperty::OnEndElement(std::string_view) {
  value_ = platform::Variant();
  auto type = platform::VarTypeFromCode(type_.Type());
  if (!type) return;
  platform::Variant converted;
  if (platform::Succeeded(
          platform::ChangeType(platform::Variant::FromString(value_text_.Text()), *type, converted))) {
    value_ = std::move(converted);
  }
}

const CProperty* CProperties::Find(std::string_view name) const {
  for (const auto& property : Items()) {
    if (EqualsIgnoringCase(property->Name(), name)) return property.get();
  }
  return nullptr;
}

}  // namespace tabulo::tables
