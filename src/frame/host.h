#pragma once

#include <cstddef>
#include <functional>

#include "platform/launcher.h"
#include "platform/prompter.h"

namespace tabulo::frame {

// What the host lends a component for its exports.
struct Host {
  // Shows message boxes; none attached means every question gets the safe
  // answer and nothing is shown.
  platform::Prompter* prompter = nullptr;
  // Opens finished results; none attached means the desktop's opener.
  platform::Launcher* launcher = nullptr;
  // Told after each table: (tables done, tables in the document).
  std::function<void(std::size_t done, std::size_t total)> progress;
};

}  // namespace tabulo::frame
