#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "frame/export_stage.h"
#include "platform/launcher.h"

namespace tabulo::frame {

// What an export script is given to run with.
struct ScriptContext {
  std::string_view tables_xml;
  std::string_view properties_xml;
  platform::Launcher& launcher;
  const std::function<void(std::size_t done, std::size_t total)>& progress;
};

// A script call that failed, as the engine reports it: the script's own
// error description and the failing call's result.
struct ScriptFailure {
  std::string description;
  platform::HRESULT result = platform::DISP_E_EXCEPTION;
};

// The export logic of a script component: runs with the Tables XML and the
// final properties XML, throws ScriptFailure when it fails.
using ScriptEntry = std::function<void(const ScriptContext& context)>;

// The text export's stage: the file may now be replaced, so OverwriteOutput
// is set in the settings, which then go to the script with the Tables XML.
class ScriptStage final : public ExportStage {
 public:
  explicit ScriptStage(ScriptEntry entry) : entry_(std::move(entry)) {}
  platform::HRESULT Run(CExport& component, std::string_view tables_xml,
                        platform::Variant* result) override;

 private:
  ScriptEntry entry_;
};

}  // namespace tabulo::frame
