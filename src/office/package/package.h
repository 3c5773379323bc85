#pragma once

#include <map>
#include <string>
#include <string_view>
#include <unordered_set>

#include "office/package/byte_sink.h"
#include "office/package/content_types.h"
#include "office/package/relationships.h"
#include "office/package/spool_sink.h"
#include "office/package/zip_stream_writer.h"

namespace tabulo::office {

// An Office Open XML package written while it is assembled: each part goes
// into the zip the moment it is added, so that only part names, content
// types and relationships stay in memory (a workbook with thousands of
// charts has hundreds of megabytes of parts). Part names have no leading
// "/" ("xl/workbook.xml").
//
// Entry order is the customary one, which file-type detection relies on:
// [Content_Types].xml first (the parts wait in a temporary file until it is
// complete), then the package relationships, which must therefore be
// complete before the first part is added, then the parts in the order
// added, each part's relationships wherever WriteRelationships puts them.
class Package {
 public:
  // Throws std::system_error when no temporary file can be made.
  explicit Package(ByteSink& sink);

  // Writes a part into the package; a name used before is refused
  // (std::invalid_argument), as are names that are empty, begin with "/" or
  // hold "\", "//" or "..".
  void AddPart(std::string_view name, std::string_view content_type, std::string bytes);
  bool HasPart(std::string_view name) const;
  // The first name stem + number + extension no part has, the numbers
  // counting on from the last one this gave for the stem and extension
  // ("xl/charts/chart" + "7" + ".xml").
  std::string FreePartName(std::string_view stem, std::string_view extension);

  ContentTypes& Types() { return content_types_; }
  // The package's own relationships (_rels/.rels).
  Relationships& PackageRelationships() { return RelationshipsOf(""); }
  // The relationships of a part; created empty on first use. Those written
  // already cannot change (std::logic_error).
  Relationships& RelationshipsOf(std::string_view part_name);
  // Adds a relationship from `source_part` ("" for the package) to the part
  // `target_part`, with the target written relative to the source. Returns
  // the id.
  std::string Relate(std::string_view source_part, std::string_view type, std::string_view target_part);
  // Writes the relationships of `source_part` now, when they are complete:
  // nothing more can be related from it. Nothing is written when it has
  // none.
  void WriteRelationships(std::string_view source_part);

  // Writes the relationships not yet written and [Content_Types].xml, and
  // ends the zip. Errors of the sink are thrown from here or from the call
  // that added a part.
  void Finish();

 private:
  SpoolSink spool_;
  ZipStreamWriter zip_;
  std::unordered_set<std::string> part_names_;
  std::map<std::string, std::size_t, std::less<>> last_free_numbers_;
  ContentTypes content_types_;
  std::map<std::string, Relationships, std::less<>> relationships_;  // not yet written
  std::unordered_set<std::string> written_relationships_;
};

// Checks a part name as Package::AddPart does; throws std::invalid_argument.
void CheckPartName(std::string_view name);

}  // namespace tabulo::office
