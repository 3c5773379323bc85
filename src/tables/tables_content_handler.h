#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tables/cdocument.h"
#include "tables/render_context.h"
#include "tables/sax_event_handler.h"
#include "xml/sax_reader.h"

namespace tabulo::tables {

// Routes the reader's events to the handler of the innermost open element:
// the root element becomes the CDocument, every other element goes to the
// handler its parent creates, or to the null handler (ignoring its subtree).
class CTablesContentHandler final : public xml::SaxHandler {
 public:
  explicit CTablesContentHandler(RenderContext& context) : context_(context) {}

  void StartElement(std::string_view name, const xml::Attributes& attributes) override;
  void EndElement(std::string_view name) override;
  void Characters(std::string_view text) override;

  // The model built so far; empty before the root element starts.
  std::optional<CDocument>& Document() { return document_; }

 private:
  RenderContext& context_;
  std::optional<CDocument> document_;
  std::vector<CSAXEventHandler*> stack_;
  CNullSAXEventHandler null_handler_;
};

// Reads a Tables XML document into its table model in one streaming pass.
// The context supplies the label settings and receives the document's image
// location and locale id; the model points at it and must not outlive it.
// Every failure is a TablesError with message 2018 around the reason: the
// handler's message (2017, 2019, ...) or the parser's text for a malformed
// document. Out-of-memory is not caught.
CDocument ParseTablesXml(std::string_view tables_xml, RenderContext& context);

}  // namespace tabulo::tables
