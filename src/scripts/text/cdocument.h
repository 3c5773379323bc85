#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "scripts/text/ctables.h"
#include "scripts/text/document_sink.h"

namespace tabulo::text {

class CTextProperties;

// The Tables XML as one list of delimited lines. The document is read as it
// is parsed: each table is rendered when its end tag arrives, its lines go to
// the sink, and it is freed, so a document of any size needs the memory of
// its largest table only.
class CDocument {
 public:
  explicit CDocument(const CTextProperties& properties) : properties_(properties) {}

  // Renders every /Document/Tables/Table in document order. Throws
  // ScriptError when the text does not parse or a table cannot be rendered.
  void RenderDocument(std::string_view tables_xml, DocumentSink& sink);

  void ResetNextLineCounter() { next_line_ = 0; }
  // The next line of the tables held; false after the last one.
  bool GetNextLineStr(std::string& line);

  // Quoted /Document/DataSet/@Description and /Document/@Description.
  const std::string& ProjectDescription() const { return project_description_; }
  const std::string& DocumentDescription() const { return document_description_; }

 private:
  class Reading;

  const CTextProperties& properties_;
  CTables tables_;
  std::size_t next_line_ = 0;
  std::string project_description_ = "\"\"";
  std::string document_description_ = "\"\"";
};

}  // namespace tabulo::text
