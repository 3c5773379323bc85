#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "office/package/content_types.h"
#include "office/package/relationships.h"
#include "office/package/zip_archive_reader.h"

namespace tabulo::office {

// An Office Open XML package being assembled in memory: its parts with
// their content types, the package relationships and those of each part.
// Part names have no leading "/" ("xl/workbook.xml").
class Package {
 public:
  // Adds a part; a name used before is refused (std::invalid_argument), as
  // are names that are empty, begin with "/" or hold "\", "//" or "..".
  void AddPart(std::string_view name, std::string_view content_type, std::string bytes);
  bool HasPart(std::string_view name) const;
  // The first name stem + number + extension no part has, the numbers
  // counting on from the last one this gave for the stem and extension
  // ("xl/charts/chart" + "7" + ".xml").
  std::string FreePartName(std::string_view stem, std::string_view extension);
  const std::string& PartBytes(std::string_view name) const;  // throws std::out_of_range

  ContentTypes& Types() { return content_types_; }
  // The package's own relationships (_rels/.rels).
  Relationships& PackageRelationships() { return RelationshipsOf(""); }
  // The relationships of a part; created empty on first use.
  Relationships& RelationshipsOf(std::string_view part_name);
  // Adds a relationship from `source_part` ("" for the package) to the part
  // `target_part`, with the target written relative to the source. Returns
  // the id.
  std::string Relate(std::string_view source_part, std::string_view type, std::string_view target_part);

  // Every entry of the finished package: [Content_Types].xml first, then
  // _rels/.rels, then the parts in the order added, each followed by its
  // relationships part.
  std::vector<ZipEntry> Entries() const;
  // The zip bytes of Entries().
  std::string ZipBytes() const;
  // Writes the package to `path` through a temporary file beside it that
  // takes the name only when complete: a failure leaves no partial file and
  // any earlier file untouched. With replace false an existing file is kept
  // and the save fails. Throws std::system_error / std::runtime_error.
  void Save(const std::filesystem::path& path, bool replace = true) const;

 private:
  // Calls visit(name, bytes) for every entry in package order; the generated
  // parts live in `generated` for as long as the views are used.
  template <typename Visit>
  void VisitEntries(std::vector<std::string>& generated, Visit visit) const;

  struct Part {
    std::string name;
    std::string bytes;
  };
  std::vector<Part> parts_;
  // Part name to its index in parts_: a workbook with thousands of charts
  // has tens of thousands of parts.
  std::map<std::string, std::size_t, std::less<>> part_index_;
  std::map<std::string, std::size_t, std::less<>> last_free_numbers_;
  ContentTypes content_types_;
  std::map<std::string, Relationships, std::less<>> relationships_;
};

// Checks a part name as Package::AddPart does; throws std::invalid_argument.
void CheckPartName(std::string_view name);

}  // namespace tabulo::office
