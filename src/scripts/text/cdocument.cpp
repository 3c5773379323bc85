#include "scripts/text/cdocument.h"

#include "scripts/text/quote_the_string.h"
#include "scripts/text/script_error.h"
#include "scripts/text/tables_reader.h"
#include "xml/parse_error.h"

namespace tabulo::text {

// Turns the reader's events into document state and lines for the sink.
class CDocument::Reading final : public TablesReader::Events {
 public:
  Reading(CDocument& document, DocumentSink& sink) : document_(document), sink_(sink) {}

  void DocumentStarted(std::optional<std::string_view> description) override {
    document_.document_description_ = QuoteTheString(description.value_or(""));
  }

  void DataSetFound(std::optional<std::string_view> description) override {
    document_.project_description_ = QuoteTheString(description.value_or(""));
    GiveDescriptions();
  }

  void TableRead(TableBuilder& table) override {
    CTable rendered;
    rendered.RenderTable(table.Tree(), table.TakeValues(), document_.properties_);
    document_.tables_.AddTable(std::move(rendered));
    document_.ResetNextLineCounter();
    while (document_.GetNextLineStr(line_)) sink_.Line(line_);
    document_.tables_.Clear();
    sink_.TableDone();
  }

  void DocumentEnded() override { GiveDescriptions(); }

  void GiveDescriptions() {
    if (descriptions_given_) return;
    descriptions_given_ = true;
    sink_.Descriptions(document_.project_description_, document_.document_description_);
  }

 private:
  CDocument& document_;
  DocumentSink& sink_;
  std::string line_;
  bool descriptions_given_ = false;
};

void CDocument::RenderDocument(std::string_view tables_xml, DocumentSink& sink) {
  Reading reading(*this, sink);
  TablesReader reader(reading);
  try {
    xml::ParseSax(tables_xml, reader);
  } catch (const xml::ParseError& error) {
    throw ScriptError("CDocument::RenderDocument",
                      std::string("The Tables XML could not be parsed: ") + error.what());
  }
  reading.GiveDescriptions();
}

bool CDocument::GetNextLineStr(std::string& line) {
  std::size_t table = 0;
  std::size_t row = 0;
  if (!tables_.GetTableID(next_line_, table, row)) return false;
  line.clear();
  CTable& current = tables_.GetTable(table);
  current.AppendLineStr(row, line);
  // A side leaf with further cell items is read again at the same row.
  if (!current.FlatLeaf()) ++next_line_;
  return true;
}

}  // namespace tabulo::text
