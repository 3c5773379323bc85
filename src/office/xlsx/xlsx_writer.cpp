#include "office/xlsx/xlsx_writer.h"

#include <string>
#include <vector>

#include "office/package/opc_names.h"
#include "office/xlsx/drawing_part.h"
#include "office/xlsx/shared_string_table.h"
#include "office/xlsx/sml_names.h"
#include "office/xlsx/style_sheet.h"
#include "office/xlsx/workbook_part.h"
#include "office/xlsx/worksheet_part.h"

namespace tabulo::office {

Package BuildWorkbookPackage(const Workbook& workbook) {
  if (workbook.WorksheetCount() == 0) throw std::invalid_argument("a workbook needs at least one worksheet");
  Package package;
  const std::string core_part = "docProps/core.xml";
  const std::string app_part = "docProps/app.xml";
  package.PackageRelationships().Add(opc::kOfficeDocumentRelationship, std::string(sml::kWorkbookPart));
  package.PackageRelationships().Add(opc::kCorePropertiesRelationship, core_part);
  package.PackageRelationships().Add(opc::kExtendedPropertiesRelationship, app_part);

  TitledParts sheet_titles{"Worksheets", {}};
  for (std::size_t index = 0; index < workbook.WorksheetCount(); ++index) {
    sheet_titles.titles.push_back(workbook.Sheet(index).Name());
  }
  package.AddPart(core_part, opc::kCorePropertiesContentType, CorePropertiesXml(workbook.Properties()));
  package.AddPart(app_part, opc::kExtendedPropertiesContentType,
                  AppPropertiesXml(workbook.Properties(), {sheet_titles}));

  const std::string workbook_part(sml::kWorkbookPart);
  std::vector<std::string> sheet_ids;
  std::vector<std::string> sheet_parts;
  for (std::size_t index = 0; index < workbook.WorksheetCount(); ++index) {
    sheet_parts.push_back("xl/worksheets/sheet" + std::to_string(index + 1) + ".xml");
    sheet_ids.push_back(package.Relate(workbook_part, sml::kWorksheetRelationship, sheet_parts.back()));
  }
  package.AddPart(workbook_part, sml::kWorkbookContentType, WorkbookPartXml(workbook, sheet_ids));

  StyleSheet styles(workbook.Context());
  SharedStringTable strings(workbook.Context().texts);
  std::size_t drawings = 0;
  for (std::size_t index = 0; index < workbook.WorksheetCount(); ++index) {
    const Worksheet& sheet = workbook.Sheet(index);
    WorksheetPartOptions options;
    options.tab_selected = index == workbook.ActiveSheet();
    if (!sheet.Drawings().empty()) {
      const std::string drawing_part = AddDrawingPart(package, sheet, ++drawings);
      options.drawing_relationship_id =
          package.Relate(sheet_parts[index], sml::kDrawingRelationship, drawing_part);
    }
    package.AddPart(sheet_parts[index], sml::kWorksheetContentType,
                    WorksheetPartXml(sheet, styles, strings, options));
  }
  package.Relate(workbook_part, sml::kStylesRelationship, sml::kStylesPart);
  package.AddPart(sml::kStylesPart, sml::kStylesContentType, styles.Xml());
  if (!strings.Empty()) {
    package.Relate(workbook_part, sml::kSharedStringsRelationship, sml::kSharedStringsPart);
    package.AddPart(sml::kSharedStringsPart, sml::kSharedStringsContentType, strings.Xml());
  }
  return package;
}

void SaveWorkbook(const Workbook& workbook, const std::filesystem::path& path, bool replace) {
  BuildWorkbookPackage(workbook).Save(path, replace);
}

}  // namespace tabulo::office
