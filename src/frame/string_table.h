#pragma once

#include <optional>
#include <string>

#include "frame/component_info.h"

namespace tabulo::frame {

// The text with this id in the component's string table, or nullopt.
std::optional<std::string> LoadString(const ComponentInfo& component, int id);

}  // namespace tabulo::frame
