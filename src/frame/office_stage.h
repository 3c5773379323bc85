#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "frame/export_stage.h"

namespace tabulo::frame {

class IOfficeExport;

// An error raised by Office export logic, as its error object describes it.
struct OfficeLogicError {
  std::int32_t number = 0;
  std::string source;
  std::string description;
};

// One export's document: the export logic lays it out, then it is saved.
class OfficeDocument {
 public:
  virtual ~OfficeDocument() = default;
  // Runs the export logic with the export object and both XML texts, which
  // the logic may consume. `save_path` is where Save will put the document
  // (empty: it is not saved); the document may write parts of it there
  // while the logic runs, but the file appears only on Save. Throws
  // OfficeLogicError.
  virtual void Run(IOfficeExport& exporter, std::string& tables_xml, std::string& properties_xml,
                   const std::filesystem::path& save_path) = 0;
  // Writes the document as it stands at the path given to Run; throws
  // std::exception on failure (also one met while writing during Run) and
  // never leaves a partial file at the path.
  virtual void Save() = 0;
};

struct OfficeStageSettings {
  std::function<std::unique_ptr<OfficeDocument>()> new_document;
  int logic_failed_id;         // "Export script failed" in the component's table
  int save_failed_id;          // "Unable to save the export to '%1!s!'"
  std::string_view file_name;  // used when a document must be shown unsaved
};

// The stage of Docline, Slideline and Sheetline: a new document, the export
// logic, the save at Destination and the launch. The document is saved even
// when the logic fails, so what was laid out is not lost; the failure is
// still reported.
class OfficeStage final : public ExportStage {
 public:
  explicit OfficeStage(OfficeStageSettings settings) : settings_(std::move(settings)) {}
  platform::HRESULT Run(CExport& component, std::string_view tables_xml, platform::Variant* result) override;

 private:
  OfficeStageSettings settings_;
};

}  // namespace tabulo::frame
