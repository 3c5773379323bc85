#include "frame/office_callbacks.h"

#include "platform/locales.h"
#include "xml/document.h"
#include "xml/parse_error.h"

namespace tabulo::frame {

std::string TextFromHtml(std::string_view text) {
  if (text.find_first_of("&<>\"'") == std::string_view::npos) return std::string(text);
  std::string wrapped;
  wrapped.reserve(text.size() + 13);
  wrapped.append("<root>").append(text).append("</root>");
  try {
    return xml::Document::Parse(wrapped).Root().Text();
  } catch (const xml::ParseError&) {
    return std::string(text);
  }
}

platform::Variant LocaleStringToDouble(std::string_view text, std::uint32_t lcid) {
  if (text.empty()) return platform::Variant::FromString({});
  bool percentage = text.back() == '%';
  std::string_view number = percentage ? text.substr(0, text.size() - 1) : text;
  double value = 0;
  if (platform::Failed(platform::ParseLocaleDouble(number, lcid, value))) {
    return platform::Variant::FromString(std::string(text));
  }
  return platform::Variant::FromR8(percentage ? value / 100 : value);
}

}  // namespace tabulo::frame
