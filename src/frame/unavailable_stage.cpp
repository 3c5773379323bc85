#include "frame/cexport.h"
#include "frame/export_stage.h"
#include "frame/report_error.h"

namespace tabulo::frame {

namespace {
constexpr int kExportNotAvailable = 2100;
}

platform::HRESULT UnavailableStage::Run(CExport& component, std::string_view, platform::Variant*) {
  const ComponentInfo& info = component.Info();
  return ReportMessage(info, kExportNotAvailable, info.display_name);
}

}  // namespace tabulo::frame
