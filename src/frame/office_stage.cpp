#include "frame/office_stage.h"

#include <cerrno>
#include <cstdlib>
#include <exception>
#include <optional>
#include <system_error>

#include "frame/cexport.h"
#include "frame/report_error.h"
#include "platform/files.h"

namespace tabulo::frame {
namespace {

constexpr std::string_view kLogicBoxCaption = "Tabulo Export";

std::optional<OfficeLogicError> RunLogic(OfficeDocument& document, CExport& component, std::string tables_xml,
                                         std::string properties_xml, const std::filesystem::path& save_path) {
  try {
    document.Run(component, tables_xml, properties_xml, save_path);
  } catch (const OfficeLogicError& error) {
    return error;
  } catch (const std::exception& error) {
    return OfficeLogicError{platform::E_FAIL, std::string(component.Info().prog_id), error.what()};
  }
  return std::nullopt;
}

// An export without Destination that is to be shown is saved to a folder of
// its own, so that no earlier result is replaced.
std::filesystem::path UnsavedDocumentPath(std::string_view file_name) {
  std::string pattern = (std::filesystem::path(platform::TempFolder()) / "tabulo-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) {
    throw std::system_error(errno, std::generic_category(),
                            "cannot create a folder in " + platform::TempFolder());
  }
  return std::filesystem::path(pattern) / file_name;
}

std::string LogicBoxText(const OfficeLogicError& error) {
  return "Export error: " + std::to_string(error.number) + "\r\nDescription: " + error.description +
         "\r\nSource: " + error.source;
}

}  // namespace

platform::HRESULT OfficeStage::Run(CExport& component, std::string_view tables_xml, platform::Variant*) {
  CExportProperties& properties = component.Properties();
  std::string properties_xml;
  HRESULT hr = properties.GetPropertiesXml(&properties_xml);
  if (platform::Failed(hr)) return hr;

  std::string destination;
  hr = properties.GetString("Destination", &destination);
  if (platform::Failed(hr)) return hr;
  const bool launch = properties.LaunchApplication();
  // The path is settled before the logic runs, so that the document can be
  // written out while it is laid out.
  std::filesystem::path saved;
  std::exception_ptr path_failure;
  try {
    saved = !destination.empty() ? std::filesystem::path(destination)
            : launch             ? UnsavedDocumentPath(settings_.file_name)
                                 : std::filesystem::path();
  } catch (const std::exception&) {
    path_failure = std::current_exception();
  }

  std::unique_ptr<OfficeDocument> document = settings_.new_document();
  std::optional<OfficeLogicError> failure =
      RunLogic(*document, component, std::string(tables_xml), std::move(properties_xml), saved);

  try {
    if (path_failure) std::rethrow_exception(path_failure);
    if (!saved.empty()) document->Save();
  } catch (const std::exception& error) {
    if (!failure) {
      CNXFormat format(component.Info());
      format.Format(settings_.save_failed_id, saved.string());
      std::string text = format.GetText() + ": " + error.what();
      component.Warn(text);
      ReportError(component.Info(), text);
      return platform::E_FAIL;
    }
    saved.clear();
  }

  if (failure) {
    if (properties.Interactive()) {
      component.ShowBox(kLogicBoxCaption, LogicBoxText(*failure), platform::BoxStyle::kWarning);
    }
    CNXFormat format(component.Info());
    format.Format(settings_.logic_failed_id);
    std::string text = format.GetText() + ": " + failure->description;
    component.Warn(text);
    ReportError(component.Info(), text);
    return platform::E_FAIL;
  }
  if (launch && !saved.empty()) component.Launcher().Open(saved);
  return platform::S_OK;
}

}  // namespace tabulo::frame
