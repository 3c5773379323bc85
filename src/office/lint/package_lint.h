#pragma once

#include <string>
#include <vector>

#include "office/package/zip_archive_reader.h"

namespace tabulo::office {

struct LintFinding {
  std::string part;
  std::string message;

  friend bool operator==(const LintFinding&, const LintFinding&) = default;
};

// Checks a package for what Office rejects or repairs although the schemas
// let it through:
// - every XML part is well-formed (which also rules out characters XML
//   cannot carry) and has a content type; every override names a part;
// - relationship ids are unique per part and internal targets exist;
// - workbook: sheet names meet the sheet-name rules and are unique without
//   regard to case, sheet ids and relationship ids are unique, defined
//   names refer to existing sheets;
// - worksheets: row numbers ascend within the sheet, cell references are
//   well-formed, lie in their row and ascend, style and shared-string
//   indices exist, merged ranges are well-formed, span two cells or more
//   and do not overlap;
// - drawings and slides: shape ids (cNvPr) are unique within the part;
// - charts: data label positions are ones the chart type offers;
// - word documents: every table cell holds a paragraph.
std::vector<LintFinding> LintPackage(const std::vector<ZipEntry>& entries);

}  // namespace tabulo::office
