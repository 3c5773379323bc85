#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "xml/document.h"

namespace tabulo::excel {

// The text of the value of the table's first Properties/property whose name
// is `name`; nothing when the table has no such property.
std::optional<std::string> TableProperty(const xml::Node& table, std::string_view name);

}  // namespace tabulo::excel
