#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "office/package/byte_sink.h"
#include "office/package/package.h"
#include "office/spreadsheet/workbook.h"
#include "office/xlsx/shared_string_table.h"
#include "office/xlsx/style_sheet.h"

namespace tabulo::office {

// Writes a workbook as an .xlsx package into a sink, worksheet by
// worksheet: each sheet part goes out with its drawing and the drawing's
// charts, so sheets may be written while later ones are still being built
// (see WorkbookFile). The workbook, styles, shared strings and document
// properties follow at the end.
class XlsxWriter {
 public:
  XlsxWriter(const Workbook& workbook, ByteSink& sink);

  // Writes every worksheet before `end` (0-based, in sheet order) not
  // written yet. A sheet's view is fixed then: it is the selected tab if it
  // is the active sheet at that moment.
  void WriteSheetsBefore(std::size_t end);
  std::size_t SheetsWritten() const { return sheet_ids_.size(); }

  // Writes the remaining worksheets and the workbook-wide parts, and ends the
  // package. Throws std::invalid_argument for a workbook without worksheets.
  void Finish();

 private:
  void WriteSheet(std::size_t index);

  const Workbook& workbook_;
  Package package_;
  // Made when the first sheet is written: by then the named styles exist.
  std::optional<StyleSheet> styles_;
  SharedStringTable strings_;
  std::vector<std::string> sheet_ids_;
  std::size_t drawings_ = 0;
};

// The whole workbook into a sink; throws std::invalid_argument for a
// workbook without worksheets.
void WriteWorkbook(const Workbook& workbook, ByteSink& sink);

// Writes the workbook to `path`, all or nothing: a failure leaves no
// partial file and any earlier file untouched; an existing file is replaced
// only when `replace` is true. Throws std::invalid_argument for a workbook
// without worksheets, std::system_error when the file cannot be written.
void SaveWorkbook(const Workbook& workbook, const std::filesystem::path& path, bool replace = true);

}  // namespace tabulo::office
