#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace tabulo::platform {

// One file of a deliverable's resources, embedded at build time.
struct ResourceEntry {
  std::string_view component;  // "textline", "webline", ...
  std::string_view type;       // "PROPERTIES", "STRINGTABLE", ...
  int id;
  std::string_view data;
};

std::optional<std::string_view> FindResource(std::span<const ResourceEntry> table,
                                             std::string_view component, std::string_view type,
                                             int id);

}  // namespace tabulo::platform
