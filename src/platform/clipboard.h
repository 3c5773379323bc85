#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tabulo::platform {

// The clipboard of this process: one content at a time, kept under numbered
// formats as the desktop clipboard would. Safe to use from any thread.
class Clipboard {
 public:
  // The number of a named format; the same name always gives the same number.
  static unsigned RegisterFormat(std::string_view name);

  // Replaces the whole content with these bytes under one format.
  static void Set(unsigned format, std::string bytes);
  // The bytes under a format, or nullopt when the content has none.
  static std::optional<std::string> Get(unsigned format);
};

}  // namespace tabulo::platform
