#include "xml/sax_reader.h"

#include <libxml/parser.h>
#include <libxml/parserInternals.h>

#include <exception>
#include <memory>
#include <string>

#include "xml/parse_error.h"
#include "xml/safe_parsing.h"

namespace tabulo::xml {

std::string_view Attributes::Find(std::string_view name, bool& found) const {
  for (int i = 0; i < Count(); ++i) {
    if (Name(i) == name) {
      found = true;
      return Value(i);
    }
  }
  found = false;
  return {};
}

namespace {

std::string_view View(const xmlChar* text) {
  return text == nullptr ? std::string_view{} : std::string_view(reinterpret_cast<const char*>(text));
}

// libxml2 hands attributes as five pointers each: local name, prefix, URI,
// value start and value end.
class Sax2Attributes final : public Attributes {
 public:
  Sax2Attributes(int count, const xmlChar** data) : count_(count), data_(data) {}
  int Count() const override { return count_; }
  std::string_view Name(int index) const override { return View(data_[5 * index]); }
  std::string_view Value(int index) const override {
    const xmlChar* begin = data_[5 * index + 3];
    const xmlChar* end = data_[5 * index + 4];
    return {reinterpret_cast<const char*>(begin), static_cast<std::size_t>(end - begin)};
  }

 private:
  int count_;
  const xmlChar** data_;
};

struct ParseState {
  SaxHandler* handler;
  xmlParserCtxtPtr context = nullptr;
  std::exception_ptr failure;
  int depth = 0;
};

ParseState& StateOf(void* user_data) {
  auto* context = static_cast<xmlParserCtxtPtr>(user_data);
  return *static_cast<ParseState*>(context->_private);
}

// A handler exception must not unwind through libxml2's C frames: keep it and
// stop the parser, then rethrow once the parser has returned.
template <typename Event>
void Deliver(void* user_data, Event&& event) {
  ParseState& state = StateOf(user_data);
  if (state.failure) return;
  try {
    event(*state.handler);
  } catch (...) {
    state.failure = std::current_exception();
    xmlStopParser(state.context);
  }
}

// Without a tree libxml2 does not bound the nesting; bound it here so that
// no handler has to cope with pathological depth.
void OnStart(void* user_data, const xmlChar* local_name, const xmlChar*, const xmlChar*, int,
             const xmlChar**, int attribute_count, int, const xmlChar** attributes) {
  ParseState& state = StateOf(user_data);
  if (++state.depth > kMaxDepth && !state.failure) {
    int line = xmlSAX2GetLineNumber(state.context);
    state.failure = std::make_exception_ptr(ParseError(
        "The document is nested more than " + std::to_string(kMaxDepth) + " levels deep (line " +
            std::to_string(line) + ")",
        line));
    xmlStopParser(state.context);
    return;
  }
  Sax2Attributes list(attribute_count, attributes);
  Deliver(user_data, [&](SaxHandler& h) { h.StartElement(View(local_name), list); });
}

void OnEnd(void* user_data, const xmlChar* local_name, const xmlChar*, const xmlChar*) {
  --StateOf(user_data).depth;
  Deliver(user_data, [&](SaxHandler& h) { h.EndElement(View(local_name)); });
}

void OnCharacters(void* user_data, const xmlChar* text, int length) {
  std::string_view piece(reinterpret_cast<const char*>(text), static_cast<std::size_t>(length));
  Deliver(user_data, [&](SaxHandler& h) { h.Characters(piece); });
}

// The SAX2 defaults still build a document node to hold the DTD and its
// entities; the context does not own it, so it is freed here.
struct ContextDeleter {
  void operator()(xmlParserCtxtPtr context) const {
    xmlFreeDoc(context->myDoc);
    context->myDoc = nullptr;
    xmlFreeParserCtxt(context);
  }
};

class IgnoreEvents final : public SaxHandler {
 public:
  void StartElement(std::string_view, const Attributes&) override {}
  void EndElement(std::string_view) override {}
  void Characters(std::string_view) override {}
};

}  // namespace

void CheckWellFormed(std::string_view document) {
  IgnoreEvents ignore;
  ParseSax(document, ignore);
}

void ParseSax(std::string_view document, SaxHandler& handler) {
  RefuseExternalResources();
  xmlSAXHandler sax{};
  xmlSAXVersion(&sax, 2);
  sax.startElementNs = OnStart;
  sax.endElementNs = OnEnd;
  sax.characters = OnCharacters;
  sax.cdataBlock = OnCharacters;
  sax.ignorableWhitespace = OnCharacters;
  sax.startElement = nullptr;
  sax.endElement = nullptr;

  if (document.size() > static_cast<std::size_t>(INT32_MAX)) throw ParseError("The document is too large.", 0);
  std::unique_ptr<xmlParserCtxt, ContextDeleter> context(
      xmlCreatePushParserCtxt(&sax, nullptr, nullptr, 0, nullptr));
  if (!context) throw std::bad_alloc();
  ParseState state{&handler, context.get(), nullptr};
  context->_private = &state;
  FirstError first;
  CaptureFirstError(context.get(), &first);
  xmlCtxtUseOptions(context.get(), SafeParseOptions());

  FeedInSlices(context.get(), document, [&state] { return static_cast<bool>(state.failure); });
  if (state.failure) std::rethrow_exception(state.failure);
  if (context->wellFormed == 0 || context->errNo != 0) {
    throw ParseError(ReasonOf(first), first.line);
  }
}

}  // namespace tabulo::xml
