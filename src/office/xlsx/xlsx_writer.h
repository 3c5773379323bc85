#pragma once

#include <filesystem>

#include "office/package/package.h"
#include "office/spreadsheet/workbook.h"

namespace tabulo::office {

// The complete .xlsx package of a workbook, in memory: workbook, worksheets,
// styles, shared strings, drawings, and the document properties. Throws
// std::invalid_argument for a workbook without worksheets.
Package BuildWorkbookPackage(const Workbook& workbook);

// Writes the workbook to `path` (see Package::Save: all or nothing; an
// existing file is replaced only when `replace` is true).
void SaveWorkbook(const Workbook& workbook, const std::filesystem::path& path, bool replace = true);

}  // namespace tabulo::office
