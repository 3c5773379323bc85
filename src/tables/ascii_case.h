#pragma once

#include <string_view>

namespace tabulo::tables {

// Element names, enumerated values and the names of tables, axes and elements
// are compared without regard to ASCII letter case; other characters compare
// as they stand.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

// Orders names without regard to ASCII letter case; an empty name sorts first.
bool LessIgnoringCase(std::string_view a, std::string_view b);

}  // namespace tabulo::tables
