#include "scripts/excel/table_properties.h"

#include "scripts/excel/axis_queries.h"

namespace tabulo::excel {

std::optional<std::string> TableProperty(const xml::Node& table, std::string_view name) {
  for (const xml::Node& properties : table.ChildElements()) {
    if (properties.Name() != "Properties") continue;
    for (const xml::Node& property : properties.ChildElements()) {
      if (property.Name() != "property") continue;
      std::optional<xml::Node> name_node = ChildNamed(property, "name");
      if (!name_node || name_node->Text() != name) continue;
      std::optional<xml::Node> value = ChildNamed(property, "value");
      return value ? value->Text() : std::string();
    }
  }
  return std::nullopt;
}

}  // namespace tabulo::excel
