#pragma once

#include <string>
#include <string_view>

namespace tabulo::charts {

// Appends a JSON string literal: quotes, backslash and control characters
// escaped, other characters kept as UTF-8; a byte that is not part of valid
// UTF-8 becomes U+FFFD, so the output is always valid JSON.
void AppendJsonString(std::string_view text, std::string& out);

// Appends a finite number in its shortest round-trip form ("45.5", "250");
// JSON has no infinities or NaN, so those are written as 0.
void AppendJsonNumber(double value, std::string& out);

}  // namespace tabulo::charts
