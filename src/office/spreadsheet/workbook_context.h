#pragma once

#include <string_view>
#include <vector>

#include "office/spreadsheet/format_table.h"
#include "office/spreadsheet/named_style.h"
#include "office/spreadsheet/text_pool.h"

namespace tabulo::office {

// What the worksheets of one workbook share: formats, texts and named styles.
struct WorkbookContext {
  explicit WorkbookContext(const CellFormat& normal) : formats(normal) {}

  const CellFormat& Normal() const { return formats.Get(0); }
  const NamedStyle* FindStyle(std::string_view name) const;

  FormatTable formats;
  TextPool texts;
  std::vector<NamedStyle> styles;  // named styles other than Normal, in the order added
};

}  // namespace tabulo::office
