#pragma once

#include <filesystem>

namespace tabulo::platform {

// Opens a finished result with the user's default application.
class Launcher {
 public:
  virtual ~Launcher() = default;
  // Starts the opener detached; false when it could not be started.
  virtual bool Open(const std::filesystem::path& file) = 0;
};

// The desktop's opener: $TABULO_OPENER when set, else xdg-open.
class DesktopLauncher final : public Launcher {
 public:
  bool Open(const std::filesystem::path& file) override;
};

}  // namespace tabulo::platform
