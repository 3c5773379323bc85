#include "office/xlsx/xlsx_writer.h"

#include <stdexcept>

#include "office/package/file_sink.h"
#include "office/package/opc_names.h"
#include "office/xlsx/drawing_part.h"
#include "office/xlsx/sml_names.h"
#include "office/xlsx/workbook_part.h"
#include "office/xlsx/worksheet_part.h"
#include "platform/atomic_file.h"

namespace tabulo::office {
namespace {

constexpr std::string_view kCorePart = "docProps/core.xml";
constexpr std::string_view kAppPart = "docProps/app.xml";

void CheckHasSheets(const Workbook& workbook) {
  if (workbook.WorksheetCount() == 0) throw std::invalid_argument("a workbook needs at least one worksheet");
}

std::string SheetPartName(std::size_t index) {
  return "xl/worksheets/sheet" + std::to_string(index + 1) + ".xml";
}

}  // namespace

XlsxWriter::XlsxWriter(const Workbook& workbook, ByteSink& sink)
    : workbook_(workbook), package_(sink), strings_(workbook.Context().texts) {
  Relationships& relationships = package_.PackageRelationships();
  relationships.Add(opc::kOfficeDocumentRelationship, std::string(sml::kWorkbookPart));
  relationships.Add(opc::kCorePropertiesRelationship, std::string(kCorePart));
  relationships.Add(opc::kExtendedPropertiesRelationship, std::string(kAppPart));
}

void XlsxWriter::WriteSheetsBefore(std::size_t end) {
  while (SheetsWritten() < std::min(end, workbook_.WorksheetCount())) WriteSheet(SheetsWritten());
}

void XlsxWriter::WriteSheet(std::size_t index) {
  if (!styles_) styles_.emplace(workbook_.Context());
  const Worksheet& sheet = workbook_.Sheet(index);
  const std::string part = SheetPartName(index);
  WorksheetPartOptions options;
  options.tab_selected = index == workbook_.ActiveSheet();
  if (!sheet.Drawings().empty()) {
    const std::string drawing_part = AddDrawingPart(package_, sheet, ++drawings_);
    package_.WriteRelationships(drawing_part);
    options.drawing_relationship_id = package_.Relate(part, sml::kDrawingRelationship, drawing_part);
  }
  package_.AddPart(part, sml::kWorksheetContentType, WorksheetPartXml(sheet, *styles_, strings_, options));
  package_.WriteRelationships(part);
  sheet_ids_.push_back(package_.Relate(std::string(sml::kWorkbookPart), sml::kWorksheetRelationship, part));
}

void XlsxWriter::Finish() {
  CheckHasSheets(workbook_);
  WriteSheetsBefore(workbook_.WorksheetCount());
  const std::string workbook_part(sml::kWorkbookPart);
  package_.AddPart(workbook_part, sml::kWorkbookContentType, WorkbookPartXml(workbook_, sheet_ids_));
  package_.Relate(workbook_part, sml::kStylesRelationship, sml::kStylesPart);
  package_.AddPart(sml::kStylesPart, sml::kStylesContentType, styles_->Xml());
  if (!strings_.Empty()) {
    package_.Relate(workbook_part, sml::kSharedStringsRelationship, sml::kSharedStringsPart);
    package_.AddPart(sml::kSharedStringsPart, sml::kSharedStringsContentType, strings_.Xml());
  }
  package_.WriteRelationships(workbook_part);

  TitledParts sheet_titles{"Worksheets", {}};
  for (std::size_t index = 0; index < workbook_.WorksheetCount(); ++index) {
    sheet_titles.titles.push_back(workbook_.Sheet(index).Name());
  }
  package_.AddPart(kCorePart, opc::kCorePropertiesContentType, CorePropertiesXml(workbook_.Properties()));
  package_.AddPart(kAppPart, opc::kExtendedPropertiesContentType,
                   AppPropertiesXml(workbook_.Properties(), {sheet_titles}));
  package_.Finish();
}

void WriteWorkbook(const Workbook& workbook, ByteSink& sink) {
  CheckHasSheets(workbook);
  XlsxWriter writer(workbook, sink);
  writer.Finish();
}

void SaveWorkbook(const Workbook& workbook, const std::filesystem::path& path, bool replace) {
  CheckHasSheets(workbook);
  platform::AtomicFile file(path);
  FileSink sink(file);
  WriteWorkbook(workbook, sink);
  file.Commit(replace);
}

}  // namespace tabulo::office
