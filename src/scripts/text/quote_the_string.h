#pragma once

#include <string>
#include <string_view>

namespace tabulo::text {

// The quoting rule of every quoted field: leading and trailing spaces are
// removed, each double quote is doubled, and the result is enclosed in
// double quotes (an empty text becomes "").
std::string QuoteTheString(std::string_view text);
void AppendQuoted(std::string_view text, std::string& out);

// Labels written unquoted by design are quoted only when they hold the field
// delimiter, a double quote, a CR or a LF, since those would split their line
// into extra fields or lines.
std::string QuoteIfItSplitsTheLine(std::string_view text, std::string_view field_delimiter);

}  // namespace tabulo::text
