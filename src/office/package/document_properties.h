#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tabulo::office {

// What docProps/core.xml and docProps/app.xml say about a document. Empty
// texts are left out. Times are W3C date-times such as
// "2024-05-01T10:00:00Z"; left empty, the part carries none, which keeps
// the output of the same content byte for byte the same.
struct DocumentProperties {
  std::string title;
  std::string subject;
  std::string creator;
  std::string keywords;
  std::string description;
  std::string last_modified_by;
  std::string created;
  std::string modified;
  std::string application = "tabulo";
  std::string company;
};

// A group of parts app.xml lists by title ("Worksheets" with the sheet names).
struct TitledParts {
  std::string heading;
  std::vector<std::string> titles;
};

// docProps/core.xml. Throws std::invalid_argument for a time that is not a
// W3C date-time.
std::string CorePropertiesXml(const DocumentProperties& properties);
// docProps/app.xml.
std::string AppPropertiesXml(const DocumentProperties& properties, const std::vector<TitledParts>& parts);

// True for the W3C date-time forms core properties accept (YYYY, YYYY-MM,
// YYYY-MM-DD, or with a time of hh:mm[:ss[.s]] and a zone Z or +hh:mm).
bool IsW3cDateTime(std::string_view text);

}  // namespace tabulo::office
