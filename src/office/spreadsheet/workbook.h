#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "office/package/document_properties.h"
#include "office/spreadsheet/named_style.h"
#include "office/spreadsheet/workbook_context.h"
#include "office/spreadsheet/worksheet.h"

namespace tabulo::office {

struct WorkbookOptions {
  // The font of the Normal style; column widths count in its "0".
  Font default_font;
};

// An in-memory workbook: worksheets in order, named styles, and document
// properties. Write it with SaveWorkbook (xlsx/xlsx_writer.h).
class Workbook {
 public:
  explicit Workbook(const WorkbookOptions& options = {});
  Workbook(const Workbook&) = delete;
  Workbook& operator=(const Workbook&) = delete;

  // Adds a worksheet after the last one. The name must meet the sheet-name
  // rules and be unused (in any letter case), else std::invalid_argument;
  // MakeValidName gives a name that is.
  Worksheet& AddWorksheet(std::string_view name);
  // Adds a worksheet named "Sheet" + the smallest number not in use.
  Worksheet& AddWorksheet();
  // The name AddWorksheet would accept that is closest to `name` (see
  // MakeValidSheetName).
  std::string MakeValidName(std::string_view name) const;
  bool HasWorksheetNamed(std::string_view name) const;

  std::size_t WorksheetCount() const { return sheets_.size(); }
  // 0-based, in sheet order; throws std::out_of_range.
  Worksheet& Sheet(std::size_t index);
  const Worksheet& Sheet(std::size_t index) const;
  // nullptr when no sheet has the name (compared without regard to case).
  Worksheet* FindSheet(std::string_view name);
  const Worksheet* FindSheet(std::string_view name) const;
  // Renames under the same rules as AddWorksheet (a sheet may take its own
  // name in another letter case).
  void RenameSheet(std::size_t index, std::string_view name);

  // The sheet shown when the workbook opens.
  void SetActiveSheet(std::size_t index);
  std::size_t ActiveSheet() const { return active_sheet_; }

  // Adds a named style or redefines one added before (cells styled earlier
  // keep their format). The name must be 1 to 255 characters and not
  // "Normal"; otherwise std::invalid_argument.
  void AddNamedStyle(const NamedStyle& style);
  const NamedStyle* FindNamedStyle(std::string_view name) const { return context_.FindStyle(name); }
  const std::vector<NamedStyle>& NamedStyles() const { return context_.styles; }
  const CellFormat& NormalFormat() const { return context_.Normal(); }

  DocumentProperties& Properties() { return properties_; }
  const DocumentProperties& Properties() const { return properties_; }
  const WorkbookContext& Context() const { return context_; }

 private:
  void CheckNewName(std::string_view name, const Worksheet* renamed) const;

  WorkbookContext context_;
  std::vector<std::unique_ptr<Worksheet>> sheets_;
  // SheetNameKey of each sheet's name to its index: formulas look sheets up
  // by name, and a workbook may have thousands.
  std::unordered_map<std::string, std::size_t> sheet_by_key_;
  std::size_t active_sheet_ = 0;
  DocumentProperties properties_;
};

}  // namespace tabulo::office
