#pragma once

#include <memory>

#include "frame/cexport.h"

namespace tabulo::deliverables {

// Creates the export component of the given kind with its own stage.
std::unique_ptr<frame::CExport> CreateExport(frame::ComponentKind kind, frame::Host host = {});

}  // namespace tabulo::deliverables
