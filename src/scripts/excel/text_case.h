#pragma once

#include <string>
#include <string_view>

namespace tabulo::excel {

// The text with the ASCII letters A-Z in lower case; other bytes unchanged.
std::string AsciiLower(std::string_view text);

// Equal without regard to ASCII letter case.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

}  // namespace tabulo::excel
