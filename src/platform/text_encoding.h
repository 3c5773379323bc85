#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tabulo::platform {

// The system's ANSI code page is Windows-1252 here, as on the systems whose
// files the components read and write.

// Windows-1252 bytes as UTF-8. The five unassigned bytes map to the C1
// controls of the same value, as the system's conversion does.
std::string AnsiToUtf8(std::string_view bytes);

// UTF-8 text as Windows-1252 bytes; characters the code page lacks become "?".
// Invalid UTF-8 gives nullopt.
std::optional<std::string> Utf8ToAnsi(std::string_view utf8);

// UTF-16 little-endian bytes (no byte-order mark) as UTF-8; an odd length or
// an unpaired surrogate gives nullopt.
std::optional<std::string> Utf16LeToUtf8(std::string_view bytes);

bool IsValidUtf8(std::string_view text);

}  // namespace tabulo::platform
