#include "frame/script_host.h"

#include <exception>

#include "frame/cexport.h"
#include "frame/report_error.h"

namespace tabulo::frame {
namespace {
constexpr int kExportScriptFailed = 2008;
}

platform::HRESULT ScriptStage::Run(CExport& component, std::string_view tables_xml, platform::Variant*) {
  CExportProperties& properties = component.Properties();
  HRESULT hr = properties.SetBool("OverwriteOutput", true);
  if (platform::Failed(hr)) return hr;
  std::string properties_xml;
  hr = properties.GetPropertiesXml(&properties_xml);
  if (platform::Failed(hr)) return hr;

  const ComponentInfo& info = component.Info();
  ScriptContext context{tables_xml, properties_xml, component.Launcher(), component.HostServices().progress};
  try {
    entry_(context);
  } catch (const ScriptFailure& failure) {
    return ReportComError(info, CNXComError(failure.result), kExportScriptFailed, failure.description);
  } catch (const std::exception& failure) {
    return ReportComError(info, CNXComError(platform::E_FAIL), kExportScriptFailed, failure.what());
  }
  return platform::S_OK;
}

}  // namespace tabulo::frame
