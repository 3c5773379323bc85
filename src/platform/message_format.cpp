#include "platform/message_format.h"

namespace tabulo::platform {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Skips a printf-style format "!...!" right after an insert number. Without a
// closing mark the "!" is ordinary text and nothing is skipped.
std::size_t SkipInsertFormat(std::string_view pattern, std::size_t pos) {
  if (pos >= pattern.size() || pattern[pos] != '!') return pos;
  const std::size_t close = pattern.find('!', pos + 1);
  return close == std::string_view::npos ? pos : close + 1;
}

}  // namespace

std::optional<std::string> FormatMessageText(std::string_view pattern, std::span<const std::string> inserts) {
  std::string out;
  out.reserve(pattern.size());
  std::size_t pos = 0;
  while (pos < pattern.size()) {
    const std::size_t percent = pattern.find('%', pos);
    out.append(pattern.substr(pos, percent - pos));
    if (percent == std::string_view::npos) break;
    pos = percent + 1;
    if (pos == pattern.size()) {
      out.push_back('%');
      break;
    }
    const char code = pattern[pos];
    if (code == '0') return out;
    if (IsDigit(code)) {
      std::size_t number = static_cast<std::size_t>(code - '0');
      ++pos;
      if (pos < pattern.size() && IsDigit(pattern[pos])) {
        number = number * 10 + static_cast<std::size_t>(pattern[pos] - '0');
        ++pos;
      }
      if (number > inserts.size()) return std::nullopt;
      out.append(inserts[number - 1]);
      pos = SkipInsertFormat(pattern, pos);
      continue;
    }
    switch (code) {
      case 'n':
        out.append("\r\n");
        break;
      case 'r':
        out.push_back('\r');
        break;
      case 't':
        out.push_back('\t');
        break;
      default:
        out.push_back(code);
        break;  // "%%", "% ", "%.", "%!" and the like
    }
    ++pos;
  }
  return out;
}

}  // namespace tabulo::platform
