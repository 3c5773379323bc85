#pragma once

#include <string>
#include <string_view>

namespace tabulo::html {

// Texts from the Tables XML that are well-formed markup are written as
// markup, but they come from outside: formatting stays, anything that could
// run or load active content goes. Dropped are script-like elements with all
// they contain, every "on..." attribute, style values that can call script,
// and URL attributes whose scheme is not http, https or mailto (relative
// URLs stay). Text that is not well-formed markup comes back escaped.
std::string SanitizeMarkup(std::string_view markup);

// True for a URL that is relative or uses http, https or mailto: the only
// ones a page may link to or load from.
bool IsSafeUrl(std::string_view url);

}  // namespace tabulo::html
