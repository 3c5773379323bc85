#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tabulo::platform {

// Formats a message text the way the system's message formatter does for a
// text with an array of string inserts:
// - "%1" .. "%99" insert that string (at most two digits are read, so "%100"
//   is insert 10 followed by "0"); a format in exclamation marks after the
//   number ("%1!s!") is accepted and every such format inserts the string as
//   it is. Inserted strings are not scanned again.
// - "%%" -> "%", "%n" -> "\r\n", "%r" -> "\r", "%t" -> tab, "% " -> " ",
//   "%." -> ".", "%!" -> "!", "%0" ends the output there; "%" before any
//   other character yields that character, and a "%" at the very end is kept.
// An insert number beyond the given inserts yields std::nullopt so that the
// caller can fall back to a text of its own.
std::optional<std::string> FormatMessageText(std::string_view pattern, std::span<const std::string> inserts);

}  // namespace tabulo::platform
