#include "frame/cnx_format.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "frame/string_table.h"
#include "platform/error_info.h"
#include "platform/message_format.h"
#include "platform/system_text.h"

namespace tabulo::frame {
namespace {

std::string ModulePath() {
  std::error_code error;
  std::filesystem::path path = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string("tabulo") : path.string();
}

void AppendWithColon(std::string& target, std::string_view addition) {
  if (addition.empty()) return;
  if (!target.empty()) target += ": ";
  target += addition;
}

}  // namespace

std::string ComErrorText(const CNXComError& error) {
  if (error.Description() && !error.Description()->empty()) return *error.Description();
  const auto& current = platform::PeekErrorInfo();
  if (current && !current->description.empty()) return current->description;
  std::string text = platform::ComErrorMessage(error.Error());
  if (!text.empty()) return text;
  char code[16];
  std::snprintf(code, sizeof code, "%#08X", static_cast<unsigned>(error.Error()));
  return code;
}

void CNXFormat::FormatById(int message_id, std::span<const std::string> inserts) {
  std::optional<std::string> pattern = LoadString(component_, message_id);
  std::optional<std::string> text;
  if (pattern) text = platform::FormatMessageText(*pattern, inserts);
  if (text) {
    text_ = std::move(*text);
    return;
  }
  char fallback[48];
  std::snprintf(fallback, sizeof fallback, "Unable to format message, ID: 0x%08x",
                static_cast<unsigned>(message_id));
  text_ = fallback;
}

void CNXFormat::FormatWithComError(int message_id, std::span<const std::string> inserts,
                                   const CNXComError& error) {
  FormatById(message_id, inserts);
  result_ = error.Error();
  AppendWithColon(text_, ComErrorText(error));
}

void CNXFormat::SetWin32Result(std::int32_t code) {
  result_ = platform::HResultFromWin32(code);
  AppendWithColon(text_, platform::Win32ErrorText(code));
}

std::string CNXFormat::GetText() {
  if (!text_.empty()) return text_;
  if (detail_.empty()) {
    if (platform::Succeeded(result_)) {
      detail_ = "Unspecified error in module: " + ModulePath();
    } else {
      detail_ = platform::ComErrorMessage(result_);
    }
  }
  return detail_;
}

}  // namespace tabulo::frame
