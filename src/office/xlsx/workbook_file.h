#pragma once

#include <cstddef>
#include <filesystem>

#include "office/package/file_sink.h"
#include "office/spreadsheet/workbook.h"
#include "office/xlsx/xlsx_writer.h"
#include "platform/atomic_file.h"

namespace tabulo::office {

// A workbook saved while it is being built: the worksheets finished so far
// are written to the file and their contents released, so that a workbook
// of thousands of tables and charts never sits in memory whole. The file
// takes its name only on Commit; until then (and when anything fails) no
// partial file is left at the path. Throws std::system_error when the file
// cannot be written.
class WorkbookFile {
 public:
  WorkbookFile(Workbook& workbook, const std::filesystem::path& path);

  // Writes out and releases every worksheet before `end` (0-based).
  void WriteOutSheetsBefore(std::size_t end);
  // Writes the rest and moves the file into place; an existing file is
  // replaced only when `replace` is true.
  void Commit(bool replace = true);

 private:
  Workbook& workbook_;
  platform::AtomicFile file_;
  FileSink sink_;
  XlsxWriter writer_;
};

}  // namespace tabulo::office
