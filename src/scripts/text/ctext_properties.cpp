#include "scripts/text/ctext_properties.h"

#include <cstdint>

#include "scripts/text/property_value.h"
#include "scripts/text/script_error.h"
#include "scripts/text/utf16.h"
#include "xml/parse_error.h"

namespace tabulo::text {
namespace {

constexpr std::string_view kGetPropValue = "CTextProperties::GetPropValue";

std::string ChildText(const xml::Node& node, std::string_view name) {
  for (const xml::Node& child : node.ChildElements()) {
    if (child.Name() == name) return child.Text();
  }
  return {};
}

[[noreturn]] void RaiseUnconvertible(std::string_view name, std::string_view text) {
  throw ScriptError(kGetPropValue, "The value '" + std::string(text) + "' of the property " +
                                       std::string(name) + " is not valid");
}

}  // namespace

void CTextProperties::SetPropertiesXML(std::string_view properties_xml) {
  try {
    document_ = xml::Document::Parse(properties_xml);
  } catch (const xml::ParseError& error) {
    throw ScriptError("CTextProperties::SetPropertiesXML",
                      std::string("The properties XML could not be parsed: ") + error.what());
  }
  ReParse();
}

void CTextProperties::ReParse() {
  if (!document_) throw ScriptError("CTextProperties::ReParse", "No properties XML was given");
  destination_ = GetPropValue("Destination").AsString();
  launch_application_ = GetBoolean("LaunchApplication");
  display_annotations_ = GetBoolean("DisplayAnnotations");
  use_element_labels_ = GetBoolean("UseElementLabels");
  use_variable_labels_ = GetBoolean("UseVariableLabels");
  field_delimiter_ = GetDelimiter("FieldDelimiter");
  table_delimiter_ = GetDelimiter("TableDelimiter");
  interactive_ = GetBoolean("Interactive");
  overwrite_output_ = GetBoolean("OverwriteOutput");
}

PropertyValue CTextProperties::GetPropValue(std::string_view name) const {
  std::optional<xml::Node> property;
  for (const xml::Node& candidate : document_->SelectNodes("/properties/property")) {
    if (ChildText(candidate, "name") == name) {
      property = candidate;
      break;
    }
  }
  if (!property) throw ScriptError(kGetPropValue, "The property " + std::string(name) + " is missing");
  std::string value = ChildText(*property, "value");
  std::optional<PropertyValue> converted = PropertyValue::Convert(ChildText(*property, "type"), value);
  if (!converted) RaiseUnconvertible(name, value);
  return *std::move(converted);
}

bool CTextProperties::GetBoolean(std::string_view name) const {
  PropertyValue value = GetPropValue(name);
  std::optional<bool> flag = value.AsBoolean();
  if (!flag) RaiseUnconvertible(name, value.AsString());
  return *flag;
}

// The character whose code the property holds; any UTF-16 code unit will do.
std::string CTextProperties::GetDelimiter(std::string_view name) const {
  PropertyValue value = GetPropValue(name);
  std::optional<std::int64_t> code = value.AsInteger();
  if (!code || *code < 0 || *code > 0xFFFF) RaiseUnconvertible(name, value.AsString());
  return CodeUnitAsUtf8(static_cast<std::uint16_t>(*code));
}

}  // namespace tabulo::text
