#include "office/spreadsheet/sheet_name.h"

#include "office/markup/xml_characters.h"

namespace tabulo::office {
namespace {

constexpr std::string_view kForbidden = "[]:*?/\\";

bool IsControl(char32_t code) { return code < 0x20 || (code >= 0x7F && code <= 0x9F); }

char32_t FoldCase(char32_t code) {
  if (code >= 'A' && code <= 'Z') return code + 32;
  if (code >= 0xC0 && code <= 0xDE && code != 0xD7) return code + 32;
  return code;
}

// Appends characters of `text` while the name stays within `units` UTF-16 units.
std::string CutToUnits(std::string_view text, std::size_t units) {
  std::string cut;
  std::size_t used = 0;
  for (std::size_t position = 0; position < text.size();) {
    const Utf8Sequence sequence = DecodeUtf8(text, position);
    const std::size_t width = sequence.valid && sequence.code >= 0x10000 ? 2 : 1;
    if (used + width > units) break;
    cut.append(text.substr(position, sequence.length));
    used += width;
    position += sequence.length;
  }
  return cut;
}

}  // namespace

std::optional<std::string> SheetNameProblem(std::string_view name) {
  if (name.empty()) return "a sheet name cannot be empty";
  if (Utf16Length(name) > kMaxSheetNameLength) return "a sheet name cannot be longer than 31 characters";
  for (std::size_t position = 0; position < name.size();) {
    const Utf8Sequence sequence = DecodeUtf8(name, position);
    if (!sequence.valid || !IsXmlCharacter(sequence.code) || IsControl(sequence.code)) {
      return "a sheet name cannot hold control characters or malformed text";
    }
    if (sequence.code < 0x80 && kForbidden.find(static_cast<char>(sequence.code)) != std::string_view::npos) {
      return "a sheet name cannot hold any of [ ] : * ? / \\";
    }
    position += sequence.length;
  }
  if (name.front() == '\'' || name.back() == '\'')
    return "a sheet name cannot begin or end with an apostrophe";
  if (SameSheetName(name, "History")) return "\"History\" is a reserved sheet name";
  return std::nullopt;
}

bool SameSheetName(std::string_view a, std::string_view b) { return SheetNameKey(a) == SheetNameKey(b); }

std::string SheetNameKey(std::string_view name) {
  std::string key;
  key.reserve(name.size());
  for (std::size_t position = 0; position < name.size();) {
    const Utf8Sequence sequence = DecodeUtf8(name, position);
    if (sequence.valid) {
      AppendUtf8(key, FoldCase(sequence.code));
    } else {
      key.push_back(name[position]);  // a malformed byte only matches itself
    }
    position += sequence.length;
  }
  return key;
}

std::string MakeValidSheetName(std::string_view name, const std::function<bool(std::string_view)>& is_taken) {
  std::string cleaned;
  for (std::size_t position = 0; position < name.size();) {
    const Utf8Sequence sequence = DecodeUtf8(name, position);
    const bool forbidden =
        !sequence.valid || !IsXmlCharacter(sequence.code) || IsControl(sequence.code) ||
        (sequence.code < 0x80 && kForbidden.find(static_cast<char>(sequence.code)) != std::string_view::npos);
    if (forbidden) {
      cleaned.push_back('_');
    } else {
      cleaned.append(name.substr(position, sequence.length));
    }
    position += sequence.length;
  }
  const auto trim_apostrophes = [](std::string& text) {
    while (!text.empty() && text.front() == '\'') text.erase(text.begin());
    while (!text.empty() && text.back() == '\'') text.pop_back();
  };
  trim_apostrophes(cleaned);
  cleaned = CutToUnits(cleaned, kMaxSheetNameLength);
  trim_apostrophes(cleaned);  // the cut may have left one at the end
  if (cleaned.empty()) cleaned = "Sheet";
  if (SameSheetName(cleaned, "History")) cleaned += "_";
  if (!is_taken || !is_taken(cleaned)) return cleaned;
  for (int number = 2;; ++number) {
    const std::string suffix = " (" + std::to_string(number) + ")";
    std::string base = CutToUnits(cleaned, kMaxSheetNameLength - suffix.size());
    std::string candidate = base + suffix;
    if (!is_taken(candidate)) return candidate;
  }
}

}  // namespace tabulo::office
