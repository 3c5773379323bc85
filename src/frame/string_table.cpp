#include "frame/string_table.h"

#include <array>
#include <charconv>
#include <mutex>
#include <unordered_map>

#include "embedded_resources.h"

namespace tabulo::frame {
namespace {

using Table = std::unordered_map<int, std::string>;

// Lines read "id<TAB>text"; blank lines and lines starting with # are skipped.
Table ParseStringTable(std::string_view text) {
  Table table;
  while (!text.empty()) {
    std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || line.front() == '#') continue;
    std::size_t tab = line.find('\t');
    if (tab == std::string_view::npos) continue;
    int id = 0;
    auto [rest, error] = std::from_chars(line.data(), line.data() + tab, id);
    if (error != std::errc{} || rest != line.data() + tab) continue;
    table.emplace(id, std::string(line.substr(tab + 1)));
  }
  return table;
}

const Table& TableOf(const ComponentInfo& component) {
  static std::array<Table, 5> tables;
  static std::array<std::once_flag, 5> loaded;
  auto index = static_cast<std::size_t>(component.kind);
  std::call_once(loaded[index], [&] {
    auto text = platform::FindResource(resources::Embedded(), component.resource_name, "STRINGTABLE", 1);
    if (text) tables[index] = ParseStringTable(*text);
  });
  return tables[index];
}

}  // namespace

std::optional<std::string> LoadString(const ComponentInfo& component, int id) {
  const Table& table = TableOf(component);
  auto it = table.find(id);
  if (it == table.end()) return std::nullopt;
  return it->second;
}

}  // namespace tabulo::frame
