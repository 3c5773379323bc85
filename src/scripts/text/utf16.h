#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tabulo::text {

// Texts are UTF-8 inside the export and UTF-16 little-endian in the file.

// The UTF-8 form of one UTF-16 code unit. A delimiter may be any code unit,
// a lone surrogate too; such a unit gets the generalised three-byte form,
// which AppendUtf16LittleEndian turns back into that same unit.
std::string CodeUnitAsUtf8(std::uint16_t unit);

// Appends the text as UTF-16LE bytes: characters beyond U+FFFF as surrogate
// pairs, bytes that form no character as U+FFFD.
void AppendUtf16LittleEndian(std::string_view utf8, std::string& out);

}  // namespace tabulo::text
