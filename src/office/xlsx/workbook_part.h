#pragma once

#include <string>
#include <vector>

#include "office/spreadsheet/workbook.h"

namespace tabulo::office {

// xl/workbook.xml: the sheets in order with their relationship ids (one per
// sheet, same order), the active sheet, the print titles as defined names
// and, when any cell holds a formula, the request to recalculate on opening.
std::string WorkbookPartXml(const Workbook& workbook, const std::vector<std::string>& sheet_relationship_ids);

// A sheet name as formulas refer to it: in apostrophes, with apostrophes
// inside doubled ("T1" -> "'T1'", "Bob's" -> "'Bob''s'").
std::string QuotedSheetName(std::string_view name);

// The text of the print-titles defined name of a sheet ("'T1'!$A:$B,'T1'!$1:$3");
// empty when the sheet has none.
std::string PrintTitlesFormula(const Worksheet& sheet);

}  // namespace tabulo::office
