#include "charts/planning/markup_stripper.h"

#include "xml/document.h"
#include "xml/parse_error.h"

namespace tabulo::charts {

std::string StripMarkup(std::string_view label) {
  if (label.find_first_of("&<>\"'") == std::string_view::npos) return std::string(label);
  std::string wrapped;
  wrapped.reserve(label.size() + 13);
  wrapped.append("<root>").append(label).append("</root>");
  try {
    return xml::Document::Parse(wrapped).Root().Text();
  } catch (const xml::ParseError&) {
    return std::string(label);
  }
}

}  // namespace tabulo::charts
