#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace tabulo::office {

// The [Content_Types].xml part: a content type per file extension
// (defaults) and per part where it differs (overrides).
class ContentTypes {
 public:
  // Starts with the defaults every package needs: "rels" and "xml".
  ContentTypes();

  // Adds or replaces the default of an extension (without the dot, compared
  // in lower case as part names are).
  void SetDefault(std::string_view extension, std::string_view content_type);
  // Records the content type of a part (name without a leading "/"): an
  // override unless the extension's default already says it. A part
  // recorded twice keeps the later type.
  void SetPartType(std::string_view part_name, std::string_view content_type);
  // The content type a part has under these rules; empty when none.
  std::string TypeOf(std::string_view part_name) const;

  std::string Xml() const;

 private:
  std::vector<std::pair<std::string, std::string>> defaults_;
  // Part name with leading "/" and its type, in the order recorded; an
  // override the default made redundant keeps its place with an empty type.
  std::vector<std::pair<std::string, std::string>> overrides_;
  // Part name to its override: a package may have tens of thousands of parts.
  std::unordered_map<std::string, std::size_t> override_index_;
};

}  // namespace tabulo::office
