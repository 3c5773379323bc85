#pragma once

#include <string_view>

namespace tabulo::xml {

// The attributes of one start tag, in document order.
class Attributes {
 public:
  virtual ~Attributes() = default;
  virtual int Count() const = 0;
  virtual std::string_view Name(int index) const = 0;
  virtual std::string_view Value(int index) const = 0;
  // The value of the attribute with exactly this name; found is false when absent.
  std::string_view Find(std::string_view name, bool& found) const;
};

// Receives the events of a document in document order. Names are local
// names (no prefix). Text arrives in pieces; entities are already replaced.
class SaxHandler {
 public:
  virtual ~SaxHandler() = default;
  virtual void StartElement(std::string_view name, const Attributes& attributes) = 0;
  virtual void EndElement(std::string_view name) = 0;
  virtual void Characters(std::string_view text) = 0;
};

// Parses a whole document held in memory, calling the handler for every
// event. Throws ParseError at the first fatal error; an exception thrown by
// the handler stops the parse and propagates unchanged.
void ParseSax(std::string_view document, SaxHandler& handler);

// Parses the document for its well-formedness alone, ignoring every event.
// Throws ParseError at the first fatal error.
void CheckWellFormed(std::string_view document);

}  // namespace tabulo::xml
