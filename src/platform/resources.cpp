#include "platform/resources.h"

namespace tabulo::platform {

std::optional<std::string_view> FindResource(std::span<const ResourceEntry> table,
                                             std::string_view component, std::string_view type,
                                             int id) {
  for (const ResourceEntry& entry : table) {
    if (entry.component == component && entry.type == type && entry.id == id) return entry.data;
  }
  return std::nullopt;
}

}  // namespace tabulo::platform
