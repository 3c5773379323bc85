#pragma once

#include <stdexcept>
#include <string>

namespace tabulo::xml {

// A document that is not well-formed, or that the parser refused for safety.
// what() is the parser's reason, e.g. "Opening and ending tag mismatch: a line 1 and b".
class ParseError : public std::runtime_error {
 public:
  ParseError(std::string reason, int line) : std::runtime_error(std::move(reason)), line_(line) {}
  int line() const { return line_; }

 private:
  int line_;
};

// An XPath expression that does not compile or cannot be evaluated.
class XPathError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace tabulo::xml
