#include "sheetline/sheetline_module.h"

#include <exception>
#include <optional>

#include "frame/office_stage.h"
#include "office/xlsx/workbook_file.h"
#include "scripts/excel/excel_export.h"
#include "sheetline/model_workbook.h"

namespace tabulo::deliverables::sheetline {
namespace {

constexpr int kExportScriptFailed = 1011;
constexpr int kSaveFailed = 2101;

// The workbook goes to its file table by table while the logic runs: only
// the table being laid out is held in memory.
class SheetlineDocument final : public frame::OfficeDocument {
 public:
  void Run(frame::IOfficeExport& exporter, std::string& tables_xml, std::string& properties_xml,
           const std::filesystem::path& save_path) override {
    if (!save_path.empty()) {
      Guard([&] { file_.emplace(workbook_.Model(), save_path); });
    }
    excel::Export(workbook_, exporter, tables_xml, properties_xml, [this] {
      if (file_) Guard([this] { file_->WriteOutSheetsBefore(workbook_.Model().WorksheetCount()); });
    });
  }

  void Save() override {
    if (write_failure_) std::rethrow_exception(write_failure_);
    if (file_) file_->Commit();
  }

 private:
  // A failure to write is the save's to report, after the logic has run.
  template <typename Step>
  void Guard(Step step) {
    try {
      step();
    } catch (const std::exception&) {
      write_failure_ = std::current_exception();
      file_.reset();
    }
  }

  ModelWorkbook workbook_;
  std::optional<office::WorkbookFile> file_;
  std::exception_ptr write_failure_;
};

}  // namespace

std::unique_ptr<frame::ExportStage> CreateStage() {
  return std::make_unique<frame::OfficeStage>(frame::OfficeStageSettings{
      [] { return std::make_unique<SheetlineDocument>(); }, kExportScriptFailed, kSaveFailed, "Tables.xlsx"});
}

}  // namespace tabulo::deliverables::sheetline
