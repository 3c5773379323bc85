#include "html/stylesheet_text.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "embedded_resources.h"
#include "html/renderer_identity.h"
#include "platform/resources.h"
#include "platform/text_encoding.h"

namespace tabulo::html {
namespace {

constexpr int kCssNotFound = 2026;
constexpr int kCssEmpty = 2027;
constexpr int kCssUnreadable = 2028;
constexpr int kCssEncoding = 2110;
constexpr int kNoBuiltInStylesheet = 2111;
constexpr int kFirstStylesheetResource = 401;

// Text without a byte-order mark that has zero bytes in most odd (or even)
// positions is UTF-16 little-endian (or big-endian).
enum class Utf16Guess { kNone, kLittleEndian, kBigEndian };

Utf16Guess GuessUtf16(std::string_view bytes) {
  if (bytes.size() < 2 || bytes.size() % 2 != 0) return Utf16Guess::kNone;
  std::size_t zero_odd = 0;
  std::size_t zero_even = 0;
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    zero_even += bytes[i] == '\0';
    zero_odd += bytes[i + 1] == '\0';
  }
  std::size_t units = bytes.size() / 2;
  if (zero_odd * 2 > units && zero_even * 4 < units) return Utf16Guess::kLittleEndian;
  if (zero_even * 2 > units && zero_odd * 4 < units) return Utf16Guess::kBigEndian;
  return Utf16Guess::kNone;
}

}  // namespace

std::optional<std::string> DecodeStylesheetFile(std::string_view bytes) {
  if (bytes.starts_with("\xFE\xFF")) return std::nullopt;
  if (bytes.starts_with("\xFF\xFE")) return platform::Utf16LeToUtf8(bytes.substr(2));
  switch (GuessUtf16(bytes)) {
    case Utf16Guess::kBigEndian:
      return std::nullopt;
    case Utf16Guess::kLittleEndian:
      return platform::Utf16LeToUtf8(bytes);
    case Utf16Guess::kNone:
      break;
  }
  if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
  if (!platform::IsValidUtf8(bytes)) return std::nullopt;
  return std::string(bytes);
}

platform::HRESULT StylesheetText(const CRenderSettings& settings, std::string* text) {
  if (!settings.css_location.empty()) {
    const std::string& path = settings.css_location;
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return ReportRendererMessage(kCssNotFound, path);
    if (std::filesystem::file_size(path, error) == 0 || error) return ReportRendererMessage(kCssEmpty, path);
    std::ifstream file(path, std::ios::binary);
    std::string bytes(std::istreambuf_iterator<char>(file), {});
    if (!file.good() && !file.eof()) return ReportRendererMessage(kCssUnreadable, path);
    if (bytes.empty()) return ReportRendererMessage(kCssUnreadable, path);
    std::optional<std::string> decoded = DecodeStylesheetFile(bytes);
    if (!decoded) return ReportRendererMessage(kCssEncoding, path);
    *text = std::move(*decoded);
    return platform::S_OK;
  }
  // Only the first styles have a stylesheet of their own; the custom ones
  // need a file.
  std::optional<std::string_view> resource;
  if (settings.presentation_style >= 0 && settings.presentation_style < 100) {
    resource = platform::FindResource(resources::Embedded(), "webline", "STYLESHEET",
                                      kFirstStylesheetResource + settings.presentation_style);
  }
  if (!resource)
    return ReportRendererMessage(kNoBuiltInStylesheet, std::to_string(settings.presentation_style));
  *text = platform::AnsiToUtf8(*resource);
  return platform::S_OK;
}

}  // namespace tabulo::html
