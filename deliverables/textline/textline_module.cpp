#include "textline/textline_module.h"

#include "frame/script_host.h"
#include "scripts/text/text_export.h"

namespace tabulo::deliverables::textline {
namespace {

void RunTextExport(const frame::ScriptContext& context) {
  try {
    text::Export(context.tables_xml, context.properties_xml, {context.launcher, context.progress});
  } catch (const text::ScriptError& error) {
    throw frame::ScriptFailure{error.Description()};
  }
}

}  // namespace

std::unique_ptr<frame::ExportStage> CreateStage() {
  return std::make_unique<frame::ScriptStage>(RunTextExport);
}

}  // namespace tabulo::deliverables::textline
