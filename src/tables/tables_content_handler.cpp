#include "tables/tables_content_handler.h"

#include "tables/tables_error.h"
#include "xml/parse_error.h"

namespace tabulo::tables {

void CTablesContentHandler::StartElement(std::string_view name, const xml::Attributes& attributes) {
  if (stack_.empty()) {
    // The parser delivers one root element; anything else is a fault here.
    if (document_) RaiseUnexpected();
    document_.emplace().OnStartElement(context_, attributes);
    stack_.push_back(&*document_);
    return;
  }
  CSAXEventHandler* child = stack_.back()->CreateChildHandler(name, attributes);
  stack_.push_back(child != nullptr ? child : &null_handler_);
}

void CTablesContentHandler::EndElement(std::string_view name) {
  if (stack_.empty()) RaiseUnexpected();
  CSAXEventHandler* handler = stack_.back();
  handler->OnEndElement(name);
  stack_.pop_back();
}

void CTablesContentHandler::Characters(std::string_view text) {
  if (!stack_.empty()) stack_.back()->OnCharacters(text);
}

CDocument ParseTablesXml(std::string_view tables_xml, RenderContext& context) {
  CTablesContentHandler handler(context);
  std::string error_text;
  try {
    xml::ParseSax(tables_xml, handler);
  } catch (const TablesError& error) {
    error_text = error.what();
  } catch (const xml::ParseError& error) {
    error_text = error.what();
  }
  if (!error_text.empty() || !handler.Document()) {
    RaiseMessage(kMsgParseFailed, error_text);
  }
  return std::move(*handler.Document());
}

}  // namespace tabulo::tables
