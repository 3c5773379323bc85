#include "platform/clipboard.h"

#include <map>
#include <mutex>
#include <utility>

namespace tabulo::platform {
namespace {

// Registered formats start above the predefined ones, as on the desktop.
constexpr unsigned kFirstRegisteredFormat = 0xC000;

struct ClipboardState {
  std::mutex mutex;
  std::map<std::string, unsigned, std::less<>> formats;
  std::optional<std::pair<unsigned, std::string>> content;
};

ClipboardState& State() {
  static ClipboardState state;
  return state;
}

}  // namespace

unsigned Clipboard::RegisterFormat(std::string_view name) {
  ClipboardState& state = State();
  std::lock_guard lock(state.mutex);
  auto found = state.formats.find(name);
  if (found != state.formats.end()) return found->second;
  unsigned format = kFirstRegisteredFormat + static_cast<unsigned>(state.formats.size());
  state.formats.emplace(std::string(name), format);
  return format;
}

void Clipboard::Set(unsigned format, std::string bytes) {
  ClipboardState& state = State();
  std::lock_guard lock(state.mutex);
  state.content.emplace(format, std::move(bytes));
}

std::optional<std::string> Clipboard::Get(unsigned format) {
  ClipboardState& state = State();
  std::lock_guard lock(state.mutex);
  if (!state.content || state.content->first != format) return std::nullopt;
  return state.content->second;
}

}  // namespace tabulo::platform
