#pragma once

#include <string>
#include <string_view>

namespace tabulo::tables {

// Texts of the Tables XML that may hold an HTML fragment are stored ready to
// be written raw: markup stays as it is, anything else is escaped.

// True when the text is well-formed as XML element content. The text is
// UTF-8 as an XML parser delivers it.
bool IsWellFormedContent(std::string_view text);

// The escaped form of a UTF-8 text: "&amp;", "&lt;", "&gt;", printable ASCII
// as it stands, every other character as a hexadecimal character reference
// ("&#x%04X;" inside the Basic Multilingual Plane, "&#x%06X;" beyond it).
// Quotes are not escaped. Invalid UTF-8 bytes become U+FFFD.
std::string EscapeText(std::string_view text);

// The markup-or-text decision: an empty text, a text without any of
// & < > \ ', and a text that is well-formed content stay unchanged (moved,
// not copied); any other text is replaced by its escaped form.
std::string PrepareMarkupSafe(std::string text);

// The same decision, appending the result to `out`.
void AppendMarkupSafe(std::string_view text, std::string& out);

}  // namespace tabulo::tables
