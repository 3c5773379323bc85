#pragma once

#include <string>
#include <string_view>

namespace tabulo::office {

// The text a number shows under a format code, for measuring widths. Known:
// "General" (and "@"), and codes made of digit placeholders such as "0",
// "0.00", "#,##0.0", "0%", "0.0%", "0.00E+00", with literal text before and
// after; only the first section of a code with ";" is read. Other codes
// show the number as General does.
std::string DisplayedNumber(double value, std::string_view format_code);

}  // namespace tabulo::office
