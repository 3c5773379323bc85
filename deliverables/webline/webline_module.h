#pragma once

#include <memory>

#include "frame/export_stage.h"

namespace tabulo::deliverables::webline {

// Webline's stage: the HTML renderer with the export's properties, the
// stylesheet file and the logo beside the page, and the launch.
std::unique_ptr<frame::ExportStage> CreateStage();

}  // namespace tabulo::deliverables::webline
