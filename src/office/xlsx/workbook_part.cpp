#include "office/xlsx/workbook_part.h"

#include <stdexcept>

#include "office/markup/xml_writer.h"
#include "office/package/opc_names.h"
#include "office/xlsx/sml_names.h"

namespace tabulo::office {
namespace {

bool HasFormulas(const Workbook& workbook) {
  for (std::size_t index = 0; index < workbook.WorksheetCount(); ++index) {
    if (workbook.Sheet(index).HasFormulas()) return true;
  }
  return false;
}

}  // namespace

std::string QuotedSheetName(std::string_view name) {
  std::string quoted = "'";
  for (char c : name) {
    quoted.push_back(c);
    if (c == '\'') quoted.push_back('\'');
  }
  quoted.push_back('\'');
  return quoted;
}

std::string PrintTitlesFormula(const Worksheet& sheet) {
  const PageSetup& page = sheet.Page();
  const std::string prefix = QuotedSheetName(sheet.Name()) + "!";
  std::string formula;
  if (page.title_columns) {
    formula +=
        prefix + "$" + ColumnName(page.title_columns->first) + ":$" + ColumnName(page.title_columns->last);
  }
  if (page.title_rows) {
    if (!formula.empty()) formula += ",";
    formula +=
        prefix + "$" + std::to_string(page.title_rows->first) + ":$" + std::to_string(page.title_rows->last);
  }
  return formula;
}

std::string WorkbookPartXml(const Workbook& workbook,
                            const std::vector<std::string>& sheet_relationship_ids) {
  if (workbook.WorksheetCount() == 0) throw std::invalid_argument("a workbook needs at least one worksheet");
  if (sheet_relationship_ids.size() != workbook.WorksheetCount()) {
    throw std::invalid_argument("one relationship id per worksheet");
  }
  std::string out;
  XmlWriter xml(out);
  xml.Declaration();
  xml.Start("workbook");
  xml.Attribute("xmlns", sml::kMainNamespace);
  xml.Attribute("xmlns:r", opc::kOfficeRelationshipsNamespace);
  xml.Start("bookViews");
  xml.Start("workbookView");
  if (workbook.ActiveSheet() != 0) xml.Attribute("activeTab", workbook.ActiveSheet());
  xml.End();
  xml.End();
  xml.Start("sheets");
  for (std::size_t index = 0; index < workbook.WorksheetCount(); ++index) {
    xml.Start("sheet");
    xml.Attribute("name", workbook.Sheet(index).Name());
    xml.Attribute("sheetId", index + 1);
    xml.Attribute("r:id", sheet_relationship_ids[index]);
    xml.End();
  }
  xml.End();
  bool names_open = false;
  for (std::size_t index = 0; index < workbook.WorksheetCount(); ++index) {
    const std::string titles = PrintTitlesFormula(workbook.Sheet(index));
    if (titles.empty()) continue;
    if (!names_open) {
      xml.Start("definedNames");
      names_open = true;
    }
    xml.Start("definedName");
    xml.Attribute("name", "_xlnm.Print_Titles");
    xml.Attribute("localSheetId", index);
    xml.Text(titles);
    xml.End();
  }
  if (names_open) xml.End();
  if (HasFormulas(workbook)) {
    xml.Start("calcPr");
    xml.Attribute("fullCalcOnLoad", "1");
    xml.End();
  }
  xml.End();
  return out;
}

}  // namespace tabulo::office
