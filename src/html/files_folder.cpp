#include "html/files_folder.h"

#include <cerrno>
#include <set>
#include <system_error>

#include "frame/cnx_format.h"
#include "frame/component_info.h"
#include "html/chtml_writer.h"
#include "platform/files.h"
#include "tables/ctable.h"

namespace tabulo::html {
namespace {

constexpr int kCannotCreateFolder = 2020;

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower;
}

// The last component of a path given in either separator style.
std::size_t FileNameStart(std::string_view path) {
  std::size_t separator = path.find_last_of("/\\");
  return separator == std::string_view::npos ? 0 : separator + 1;
}

}  // namespace

FilesFolder FilesFolderOf(std::string_view destination) {
  std::size_t name_start = FileNameStart(destination);
  std::string_view name = destination.substr(name_start);
  std::size_t dot = name.find_last_of('.');
  std::string_view stem = dot == std::string_view::npos ? name : name.substr(0, dot);
  std::string full(destination.substr(0, name_start));
  full += stem;
  full += "_files";
  return {std::filesystem::path(full), std::string(stem) + "_files"};
}

void EnsureFolder(const std::filesystem::path& folder) {
  std::error_code error;
  if (std::filesystem::is_directory(folder, error)) return;
  if (std::filesystem::create_directory(folder, error) || std::filesystem::is_directory(folder)) return;
  frame::CNXFormat format(frame::Component(frame::ComponentKind::kWebline));
  format.Format(kCannotCreateFolder, folder.string());
  std::string reason = error ? error.message() : std::string("not a folder");
  throw HtmlError(format.GetText() + ": " + reason);
}

std::vector<std::string> TablePageNames(const tables::CTables& tables) {
  std::set<std::string> taken{"contentspage.htm"};
  std::vector<std::string> names;
  names.reserve(tables.size());
  for (std::size_t i = 0; i < tables.size(); ++i) {
    std::string base = platform::SafeFileName(tables[i].Name());
    std::string name = base + ".htm";
    for (int n = 2; taken.contains(Lower(name)); ++n) name = base + "_" + std::to_string(n) + ".htm";
    taken.insert(Lower(name));
    names.push_back(std::move(name));
  }
  return names;
}

}  // namespace tabulo::html
