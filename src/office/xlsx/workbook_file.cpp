#include "office/xlsx/workbook_file.h"

namespace tabulo::office {

WorkbookFile::WorkbookFile(Workbook& workbook, const std::filesystem::path& path)
    : workbook_(workbook), file_(path), sink_(file_), writer_(workbook, sink_) {}

void WorkbookFile::WriteOutSheetsBefore(std::size_t end) {
  const std::size_t first = writer_.SheetsWritten();
  writer_.WriteSheetsBefore(end);
  for (std::size_t index = first; index < writer_.SheetsWritten(); ++index) workbook_.Sheet(index).Release();
}

void WorkbookFile::Commit(bool replace) {
  writer_.Finish();
  file_.Commit(replace);
}

}  // namespace tabulo::office
