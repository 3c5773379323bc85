#include "xml/safe_parsing.h"

#include <libxml/parser.h>
#include <libxml/xmlerror.h>

#include <algorithm>
#include <mutex>

namespace tabulo::xml {
namespace {

// Every external entity, external DTD subset or XInclude goes through the
// entity loader; answering "nothing" makes the parser report the reference
// instead of reading a file or a URL.
xmlParserInputPtr RefuseLoad(const char*, const char*, xmlParserCtxtPtr) { return nullptr; }

void KeepFirstError(void* user_data, xmlErrorPtr error) {
  auto* context = static_cast<xmlParserCtxtPtr>(user_data);
  if (context == nullptr || context->sax == nullptr || error == nullptr) return;
  if (error->level < XML_ERR_ERROR) return;
  auto* sink = static_cast<FirstError*>(context->sax->_private);
  if (sink == nullptr || !sink->message.empty()) return;
  sink->message = error->message != nullptr ? error->message : "";
  while (!sink->message.empty() && (sink->message.back() == '\n' || sink->message.back() == '\r')) {
    sink->message.pop_back();
  }
  sink->line = error->line;
}

}  // namespace

int SafeParseOptions() {
  return XML_PARSE_NOENT | XML_PARSE_NONET | XML_PARSE_NOWARNING | XML_PARSE_NOERROR;
}

void RefuseExternalResources() {
  static std::once_flag once;
  std::call_once(once, [] {
    xmlInitParser();
    xmlSetExternalEntityLoader(RefuseLoad);
  });
}

void CaptureFirstError(void* parser_context, FirstError* sink) {
  auto* context = static_cast<xmlParserCtxtPtr>(parser_context);
  context->sax->_private = sink;
  context->sax->serror = KeepFirstError;
}

void FeedInSlices(void* parser_context, std::string_view document, const std::function<bool()>& stop) {
  auto* context = static_cast<xmlParserCtxtPtr>(parser_context);
  constexpr std::size_t kSlice = 1 << 20;
  std::size_t offset = 0;
  bool stopped = false;
  while (!stopped) {
    const std::size_t size = std::min(kSlice, document.size() - offset);
    const bool last = offset + size == document.size();
    const int status = xmlParseChunk(context, document.data() + offset, static_cast<int>(size), last ? 1 : 0);
    offset += size;
    stopped = last || status != 0 || context->disableSAX != 0 || (stop && stop());
  }
}

std::string ReasonOf(const FirstError& error) {
  if (error.message.empty()) return "The document is not well-formed XML.";
  return error.message + " (line " + std::to_string(error.line) + ")";
}

}  // namespace tabulo::xml
