#pragma once

#include <string>
#include <string_view>

namespace tabulo::charts {

// The plain text of a chart label that may hold markup or entity
// references: a label with any of & < > " ' that is well-formed as XML
// element content becomes its character data (tags removed, references
// resolved); any other label is kept as it stands.
std::string StripMarkup(std::string_view label);

}  // namespace tabulo::charts
