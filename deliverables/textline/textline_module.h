#pragma once

#include <memory>

#include "frame/export_stage.h"

namespace tabulo::deliverables::textline {

// Textline's stage: the script host running the text export logic.
std::unique_ptr<frame::ExportStage> CreateStage();

}  // namespace tabulo::deliverables::textline
