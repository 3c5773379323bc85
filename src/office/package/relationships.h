#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tabulo::office {

struct Relationship {
  std::string id;
  std::string type;
  std::string target;
  bool external = false;
};

// The relationships of one source (the package or a part): each gets the
// next id "rId1", "rId2", ... in the order added.
class Relationships {
 public:
  // A target inside the package, relative to the source's folder (use
  // RelativePartTarget), or an external URI. Returns the id.
  std::string Add(std::string_view type, std::string_view target, bool external = false);

  bool Empty() const { return entries_.empty(); }
  const std::vector<Relationship>& Entries() const { return entries_; }
  std::string Xml() const;

 private:
  std::vector<Relationship> entries_;
};

// The name of the part that holds the relationships of `source_part`
// ("xl/workbook.xml" -> "xl/_rels/workbook.xml.rels"; "" -> "_rels/.rels").
std::string RelationshipsPartName(std::string_view source_part);

// The target of `target_part` as seen from `source_part` (both package part
// names without a leading "/"): "xl/workbook.xml" to "xl/worksheets/sheet1.xml"
// gives "worksheets/sheet1.xml"; "xl/drawings/drawing1.xml" to
// "xl/charts/chart1.xml" gives "../charts/chart1.xml".
std::string RelativePartTarget(std::string_view source_part, std::string_view target_part);

}  // namespace tabulo::office
