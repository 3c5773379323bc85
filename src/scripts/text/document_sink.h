#pragma once

#include <string_view>

namespace tabulo::text {

// Receives what a document renders, in file order except for the
// descriptions, which may become known only after some lines.
class DocumentSink {
 public:
  virtual ~DocumentSink() = default;
  // Called once with the quoted descriptions that head the file.
  virtual void Descriptions(std::string_view project, std::string_view document) = 0;
  // One document line, without its line end.
  virtual void Line(std::string_view line) = 0;
  // Every line of one more table has been given.
  virtual void TableDone() = 0;
};

}  // namespace tabulo::text
