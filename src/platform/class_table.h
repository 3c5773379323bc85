#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/guid.h"

namespace tabulo::platform {

// One creatable class known to the process: what COM's class registry
// answers for it.
struct ClassRegistration {
  Guid class_id;
  std::string prog_id;          // "Textline.Export.1"
  std::string independent_id;   // "Textline.Export"
  std::string display_name;
};

// The in-process class table. Components add themselves once at start-up.
void RegisterClass(ClassRegistration registration);
std::optional<ClassRegistration> FindClass(const Guid& class_id);
// Accepts the version-independent ProgID and the versioned one.
std::optional<ClassRegistration> FindClassByProgId(std::string_view prog_id);

}  // namespace tabulo::platform
