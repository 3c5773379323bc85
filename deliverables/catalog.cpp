#include "catalog.h"

#include "sheetline/sheetline_module.h"
#include "textline/textline_module.h"
#include "webline/webline_module.h"

namespace tabulo::deliverables {

std::unique_ptr<frame::CExport> CreateExport(frame::ComponentKind kind, frame::Host host) {
  const frame::ComponentInfo& info = frame::Component(kind);
  if (kind == frame::ComponentKind::kTextline) {
    return std::make_unique<frame::CExport>(info, textline::CreateStage(), std::move(host));
  }
  if (kind == frame::ComponentKind::kSheetline) {
    return std::make_unique<frame::CExport>(info, sheetline::CreateStage(), std::move(host));
  }
  if (kind == frame::ComponentKind::kWebline) {
    return std::make_unique<frame::CExport>(info, webline::CreateStage(), std::move(host));
  }
  return std::make_unique<frame::CExport>(info, std::make_unique<frame::UnavailableStage>(), std::move(host));
}

}  // namespace tabulo::deliverables
