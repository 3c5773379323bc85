#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/launcher.h"
#include "scripts/text/text_export.h"
#include "support/temp_folder.h"

namespace tabulo::text::testing {

// Remembers what it was asked to open.
class RecordingLauncher final : public platform::Launcher {
 public:
  bool Open(const std::filesystem::path& file) override {
    opened.push_back(file);
    return true;
  }
  std::vector<std::filesystem::path> opened;
};

// A complete Textline properties document: the defaults, with the given
// (name, type, value) entries replacing or adding to them.
inline std::string PropertiesXml(const std::string& destination,
                                 const std::map<std::string, std::pair<int, std::string>>& changes = {}) {
  std::map<std::string, std::pair<int, std::string>> properties{
      {"Destination", {8, destination}}, {"DisplayAnnotations", {11, "-1"}}, {"FieldDelimiter", {3, "9"}},
      {"Interactive", {11, "0"}},        {"LaunchApplication", {11, "0"}},   {"OverwriteOutput", {11, "-1"}},
      {"ShowHelp", {11, "0"}},           {"TableDelimiter", {3, "12"}},      {"UseElementLabels", {11, "-1"}},
      {"UseVariableLabels", {11, "-1"}},
  };
  for (const auto& [name, entry] : changes) properties[name] = entry;
  std::string xml = "<properties>";
  for (const auto& [name, entry] : properties) {
    xml += "<property><name>" + name + "</name><type>" + std::to_string(entry.first) +
           "</type><value><![CDATA[" + entry.second + "]]></value></property>";
  }
  return xml + "</properties>";
}

// Decodes UTF-16LE (surrogate pairs included) to UTF-8; a lone surrogate
// becomes its three-byte form so that tests can still see it.
inline std::string DecodeUtf16(std::string_view bytes) {
  std::string text;
  auto put = [&](std::uint32_t code) {
    if (code < 0x80) {
      text += static_cast<char>(code);
    } else if (code < 0x800) {
      text += static_cast<char>(0xC0 | (code >> 6));
      text += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
      text += static_cast<char>(0xE0 | (code >> 12));
      text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      text += static_cast<char>(0x80 | (code & 0x3F));
    } else {
      text += static_cast<char>(0xF0 | (code >> 18));
      text += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
      text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      text += static_cast<char>(0x80 | (code & 0x3F));
    }
  };
  auto unit_at = [&](std::size_t i) {
    return std::uint32_t{static_cast<unsigned char>(bytes[i])} |
           std::uint32_t{static_cast<unsigned char>(bytes[i + 1])} << 8;
  };
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    std::uint32_t unit = unit_at(i);
    if (unit >= 0xD800 && unit < 0xDC00 && i + 3 < bytes.size()) {
      std::uint32_t low = unit_at(i + 2);
      if (low >= 0xDC00 && low < 0xE000) {
        put(0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
        i += 2;
        continue;
      }
    }
    put(unit);
  }
  return text;
}

// Runs exports into a temporary folder and reads their files back.
class ExportRunner {
 public:
  std::string Destination() const { return folder_.File("out.txt"); }

  // The file's raw bytes.
  std::string ExportBytes(std::string_view tables_xml,
                          const std::map<std::string, std::pair<int, std::string>>& changes = {}) {
    Export(tables_xml, PropertiesXml(Destination(), changes), ExportServices{launcher_, {}});
    return tabulo::testing::ReadFile(Destination());
  }

  // The file as UTF-8 text, after checking and dropping the byte-order mark.
  std::string ExportText(std::string_view tables_xml,
                         const std::map<std::string, std::pair<int, std::string>>& changes = {}) {
    std::string bytes = ExportBytes(tables_xml, changes);
    if (bytes.substr(0, 2) != "\xFF\xFE") return "missing byte-order mark";
    return DecodeUtf16(std::string_view(bytes).substr(2));
  }

  RecordingLauncher& launcher() { return launcher_; }
  const tabulo::testing::TempFolder& folder() const { return folder_; }

 private:
  tabulo::testing::TempFolder folder_;
  RecordingLauncher launcher_;
};

// The preamble of a file whose document has no descriptions.
inline constexpr std::string_view kEmptyPreamble = "\r\n\"\"\r\n\"\"\r\n\r\n";

}  // namespace tabulo::text::testing
