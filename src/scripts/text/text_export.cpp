#include "scripts/text/text_export.h"

#include <exception>
#include <filesystem>
#include <new>
#include <stdexcept>

#include "scripts/text/cdocument.h"
#include "scripts/text/cfile_ops.h"
#include "scripts/text/ctext_properties.h"

namespace tabulo::text {
namespace {

void SaveDocument(const CTextProperties& properties, CDocument& document, std::string_view tables_xml,
                  const ProgressCallback& progress) {
  CFileOps file_ops(properties, document);
  file_ops.OutputFile(tables_xml, progress);
}

// Opening the result is a courtesy: a file that is not there, or an opener
// that fails, changes nothing about the export.
void LaunchApplication(const CTextProperties& properties, platform::Launcher& launcher) {
  if (!properties.LaunchApplication()) return;
  try {
    std::filesystem::path file(properties.Destination());
    std::error_code ignored;
    if (std::filesystem::exists(file, ignored)) launcher.Open(file);
  } catch (const std::exception&) {
  }
}

}  // namespace

void Export(std::string_view tables_xml, std::string_view properties_xml, const ExportServices& services) {
  try {
    CTextProperties properties;
    properties.SetPropertiesXML(properties_xml);
    CDocument document(properties);
    SaveDocument(properties, document, tables_xml, services.progress);
    LaunchApplication(properties, services.launcher);
  } catch (const std::bad_alloc&) {
    throw ScriptError("Export", "Out of memory");
  } catch (const std::length_error&) {
    throw ScriptError("Export", "Out of memory");
  }
}

}  // namespace tabulo::text
