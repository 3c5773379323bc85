#include "tables/sax_event_handler.h"

namespace tabulo::tables {

void CSAXEventHandler::OnStartElement(RenderContext& context, const xml::Attributes&) { context_ = &context; }

CSAXEventHandler* CSAXEventHandler::CreateChildHandler(std::string_view, const xml::Attributes&) {
  return nullptr;
}

void CSAXEventHandler::OnEndElement(std::string_view) {}

void CSAXEventHandler::OnCharacters(std::string_view) {}

}  // namespace tabulo::tables
