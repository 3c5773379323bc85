#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/variant.h"

namespace tabulo::frame {

// The plain text of an HTML or XML fragment: tags dropped, entities and
// character references decoded. Text that is no well-formed fragment comes
// back unchanged.
std::string TextFromHtml(std::string_view text);

// A number in the locale's notation as a double (a trailing "%" divides it by
// 100); text that is no number comes back as a string, unchanged.
platform::Variant LocaleStringToDouble(std::string_view text, std::uint32_t lcid);

}  // namespace tabulo::frame
