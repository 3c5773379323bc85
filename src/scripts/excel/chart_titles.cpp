#include "scripts/excel/chart_titles.h"

namespace tabulo::excel {

std::string WithPath(std::string_view name, std::string_view path) {
  std::string text(name);
  if (!path.empty()) text.append(": (").append(path).append(")");
  return text;
}

std::string BlockHeading(std::string_view name, std::string_view path) {
  if (path.empty()) return std::string(name);
  return std::string(path).append(", ").append(name);
}

}  // namespace tabulo::excel
