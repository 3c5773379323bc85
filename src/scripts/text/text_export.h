#pragma once

#include <cstddef>
#include <functional>
#include <string_view>

#include "platform/launcher.h"
#include "scripts/text/script_error.h"

namespace tabulo::text {

// What the export logic uses from its host.
struct ExportServices {
  platform::Launcher& launcher;
  // Called after each table is written: (tables done, tables in the document); may be empty.
  std::function<void(std::size_t done, std::size_t total)> progress;
};

// The entry procedure: writes every table of the Tables XML into the text file
// named by the property Destination, then opens it when LaunchApplication is
// on. Throws ScriptError on every failure.
void Export(std::string_view tables_xml, std::string_view properties_xml, const ExportServices& services);

}  // namespace tabulo::text
