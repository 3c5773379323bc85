#include "xml/document.h"

#include <libxml/parser.h>
#include <libxml/parserInternals.h>
#include <libxml/tree.h>
#include <libxml/xpath.h>

#include "xml/parse_error.h"
#include "xml/safe_parsing.h"

namespace tabulo::xml {
namespace {

const xmlChar* Chars(const std::string& text) { return reinterpret_cast<const xmlChar*>(text.c_str()); }

std::string TakeString(xmlChar* text) {
  if (text == nullptr) return {};
  std::string result(reinterpret_cast<const char*>(text));
  xmlFree(text);
  return result;
}

// A push context keeps the document it built until it is taken away; one
// left behind (after an error) goes with the context.
struct ContextDeleter {
  void operator()(xmlParserCtxtPtr context) const {
    xmlFreeDoc(context->myDoc);
    context->myDoc = nullptr;
    xmlFreeParserCtxt(context);
  }
};
struct XPathContextDeleter {
  void operator()(xmlXPathContextPtr context) const { xmlXPathFreeContext(context); }
};
struct XPathObjectDeleter {
  void operator()(xmlXPathObjectPtr object) const { xmlXPathFreeObject(object); }
};

// libxml2 reports XPath errors through a callback; keep the last message so
// that the exception can carry it.
void KeepXPathError(void* message, const xmlError* error) {
  if (error != nullptr && error->message != nullptr) {
    *static_cast<std::string*>(message) = error->message;
  }
}

std::vector<Node> Evaluate(xmlDocPtr doc, std::string_view xpath, xmlNodePtr context_node) {
  std::unique_ptr<xmlXPathContext, XPathContextDeleter> context(xmlXPathNewContext(doc));
  if (!context) throw std::bad_alloc();
  std::string message;
  context->error = reinterpret_cast<xmlStructuredErrorFunc>(KeepXPathError);
  context->userData = &message;
  context->node = context_node;
  std::string expression(xpath);
  std::unique_ptr<xmlXPathObject, XPathObjectDeleter> result(
      xmlXPathEvalExpression(Chars(expression), context.get()));
  if (!result) {
    while (!message.empty() && message.back() == '\n') message.pop_back();
    throw XPathError(message.empty() ? "Invalid XPath expression" : message);
  }
  if (result->type != XPATH_NODESET) throw XPathError("The expression does not select nodes");
  std::vector<Node> nodes;
  if (result->nodesetval != nullptr) {
    nodes.reserve(static_cast<std::size_t>(result->nodesetval->nodeNr));
    for (int i = 0; i < result->nodesetval->nodeNr; ++i) nodes.emplace_back(result->nodesetval->nodeTab[i]);
  }
  return nodes;
}

}  // namespace

std::string Node::Name() const { return reinterpret_cast<const char*>(node_->name); }

std::string Node::Text() const { return TakeString(xmlNodeGetContent(node_)); }

std::optional<std::string> Node::Attribute(std::string_view name) const {
  if (node_->type != XML_ELEMENT_NODE) return std::nullopt;
  std::string key(name);
  xmlAttrPtr attribute = xmlHasProp(node_, Chars(key));
  if (attribute == nullptr) return std::nullopt;
  return TakeString(xmlNodeGetContent(reinterpret_cast<xmlNodePtr>(attribute)));
}

std::optional<Node> Node::Parent() const {
  if (node_->parent == nullptr || node_->parent->type == XML_DOCUMENT_NODE) return std::nullopt;
  return Node(node_->parent);
}

std::vector<Node> Node::ChildElements() const {
  std::vector<Node> children;
  for (xmlNodePtr child = node_->children; child != nullptr; child = child->next) {
    if (child->type == XML_ELEMENT_NODE) children.emplace_back(child);
  }
  return children;
}

void Node::ReplaceFirstChildWithCData(std::string_view text) {
  xmlNodePtr cdata = xmlNewCDataBlock(node_->doc, reinterpret_cast<const xmlChar*>(text.data()),
                                      static_cast<int>(text.size()));
  if (cdata == nullptr) throw std::bad_alloc();
  if (node_->children == nullptr) {
    xmlAddChild(node_, cdata);
    return;
  }
  xmlNodePtr old = xmlReplaceNode(node_->children, cdata);
  xmlFreeNode(old);
}

void Document::Deleter::operator()(_xmlDoc* doc) const { xmlFreeDoc(doc); }

// Parsed in slices (FeedInSlices): lifting the parser's limits instead
// would lift the protections against entity expansion with them.
Document Document::Parse(std::string_view text) {
  RefuseExternalResources();
  if (text.size() > static_cast<std::size_t>(INT32_MAX)) throw ParseError("The document is too large.", 0);
  std::unique_ptr<xmlParserCtxt, ContextDeleter> context(
      xmlCreatePushParserCtxt(nullptr, nullptr, nullptr, 0, nullptr));
  if (!context) throw std::bad_alloc();
  FirstError first;
  CaptureFirstError(context.get(), &first);
  xmlCtxtUseOptions(context.get(), SafeParseOptions());
  // The text is UTF-8 whatever its declaration says (it was decoded on reading).
  xmlSwitchToEncoding(context.get(), xmlFindCharEncodingHandler("UTF-8"));
  FeedInSlices(context.get(), text);
  if (context->myDoc == nullptr || context->wellFormed == 0 || context->errNo != 0) {
    throw ParseError(ReasonOf(first), first.line);
  }
  xmlDocPtr doc = context->myDoc;
  context->myDoc = nullptr;
  return Document(doc);
}

Node Document::Root() const { return Node(xmlDocGetRootElement(doc_.get())); }

std::vector<Node> Document::SelectNodes(std::string_view xpath) const {
  return Evaluate(doc_.get(), xpath, reinterpret_cast<xmlNodePtr>(doc_.get()));
}

std::vector<Node> Document::SelectNodes(std::string_view xpath, Node context) const {
  return Evaluate(doc_.get(), xpath, context.raw());
}

std::optional<Node> Document::SelectSingleNode(std::string_view xpath) const {
  std::vector<Node> nodes = SelectNodes(xpath);
  if (nodes.empty()) return std::nullopt;
  return nodes.front();
}

std::optional<Node> Document::SelectSingleNode(std::string_view xpath, Node context) const {
  std::vector<Node> nodes = SelectNodes(xpath, context);
  if (nodes.empty()) return std::nullopt;
  return nodes.front();
}

std::string Document::Xml() const {
  xmlChar* buffer = nullptr;
  int size = 0;
  xmlDocDumpMemoryEnc(doc_.get(), &buffer, &size, "UTF-8");
  std::string text(reinterpret_cast<const char*>(buffer), static_cast<std::size_t>(size));
  xmlFree(buffer);
  return text;
}

}  // namespace tabulo::xml
