#include "sheetline/sheetline_module.h"

#include "frame/office_stage.h"
#include "office/xlsx/xlsx_writer.h"
#include "scripts/excel/excel_export.h"
#include "sheetline/model_workbook.h"

namespace tabulo::deliverables::sheetline {
namespace {

constexpr int kExportScriptFailed = 1011;
constexpr int kSaveFailed = 2101;

class SheetlineDocument final : public frame::OfficeDocument {
 public:
  void Run(frame::IOfficeExport& exporter, std::string& tables_xml, std::string& properties_xml) override {
    excel::Export(workbook_, exporter, tables_xml, properties_xml);
  }

  void Save(const std::filesystem::path& path) override { office::SaveWorkbook(workbook_.Model(), path); }

 private:
  ModelWorkbook workbook_;
};

}  // namespace

std::unique_ptr<frame::ExportStage> CreateStage() {
  return std::make_unique<frame::OfficeStage>(frame::OfficeStageSettings{
      [] { return std::make_unique<SheetlineDocument>(); }, kExportScriptFailed, kSaveFailed, "Tables.xlsx"});
}

}  // namespace tabulo::deliverables::sheetline
