#pragma once

#include <string>

#include "office/spreadsheet/worksheet.h"
#include "office/xlsx/shared_string_table.h"
#include "office/xlsx/style_sheet.h"

namespace tabulo::office {

struct WorksheetPartOptions {
  bool tab_selected = false;
  // The relationship id of the sheet's drawing part; empty when none.
  std::string drawing_relationship_id;
};

// xl/worksheets/sheetN.xml of one worksheet. Texts go into the shared
// string table and formats into the style sheet as the cells are written.
std::string WorksheetPartXml(const Worksheet& sheet, StyleSheet& styles, SharedStringTable& strings,
                             const WorksheetPartOptions& options);

}  // namespace tabulo::office
