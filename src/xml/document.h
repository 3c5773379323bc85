#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct _xmlDoc;
struct _xmlNode;

namespace tabulo::xml {

// A node of a Document; a cheap handle that is valid while its document lives.
class Node {
 public:
  explicit Node(_xmlNode* node) : node_(node) {}

  std::string Name() const;
  // The concatenated character data of the node and its descendants
  // (CDATA included, unchanged).
  std::string Text() const;
  // nullopt when the attribute is absent; an empty string when it is empty.
  std::optional<std::string> Attribute(std::string_view name) const;
  std::optional<Node> Parent() const;
  std::vector<Node> ChildElements() const;
  // Replaces the first child with a CDATA section holding text (appends it
  // when the node has no child).
  void ReplaceFirstChildWithCData(std::string_view text);

  _xmlNode* raw() const { return node_; }
  friend bool operator==(const Node&, const Node&) = default;

 private:
  _xmlNode* node_;
};

// An XML document in memory with XPath 1.0 selection.
class Document {
 public:
  // Throws ParseError when the text is not a well-formed document.
  static Document Parse(std::string_view text);

  Node Root() const;
  // Node list of an XPath expression, in document order. Throws XPathError
  // for an expression that does not compile or does not yield a node set.
  std::vector<Node> SelectNodes(std::string_view xpath) const;
  std::vector<Node> SelectNodes(std::string_view xpath, Node context) const;
  std::optional<Node> SelectSingleNode(std::string_view xpath) const;
  std::optional<Node> SelectSingleNode(std::string_view xpath, Node context) const;
  // The document serialised as UTF-8 XML text.
  std::string Xml() const;

 private:
  struct Deleter {
    void operator()(_xmlDoc* doc) const;
  };
  explicit Document(_xmlDoc* doc) : doc_(doc) {}
  std::unique_ptr<_xmlDoc, Deleter> doc_;
};

}  // namespace tabulo::xml
