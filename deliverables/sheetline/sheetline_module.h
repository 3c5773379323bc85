#pragma once

#include <memory>

#include "frame/export_stage.h"

namespace tabulo::deliverables::sheetline {

// Sheetline's stage: the export logic lays the tables out in a new workbook,
// which is saved as an .xlsx package at Destination.
std::unique_ptr<frame::ExportStage> CreateStage();

}  // namespace tabulo::deliverables::sheetline
