#pragma once

#include <string>
#include <string_view>

namespace tabulo::office {

class XmlWriter;

// Text for SpreadsheetML string content. Office decodes "_xHHHH_" in such
// text to the character U+HHHH, which is how characters that XML cannot
// carry (controls other than tab, line feed and carriage return) travel; so
// those are written that way, and a literal "_xHHHH_" in the text gets its
// underscore written as "_x005F_" to come back unchanged. (The carriage
// return goes as the character reference the XML writer gives it, which
// every reader understands.)
std::string EncodeSmlText(std::string_view text);

// <name>text</name> with the text encoded as above, and xml:space="preserve"
// when it begins or ends with white space (which would be dropped otherwise).
void WriteSmlTextElement(XmlWriter& xml, std::string_view name, std::string_view text);

}  // namespace tabulo::office
