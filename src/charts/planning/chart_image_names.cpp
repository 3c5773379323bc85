#include "charts/planning/chart_image_names.h"


#include "frame/vocabularies.h"

namespace tabulo::charts {
namespace {

void AppendLinkText(std::string_view text, bool file_system_name, std::string& link) {
  for (char c : text) {
    if (c == ' ') {
      link += "%20";
    } else if (file_system_name && c == '%') {
      link += "%25";
    } else if (file_system_name && c == '#') {
      link += "%23";
    } else {
      link += c;
    }
  }
}

}  // namespace

std::optional<std::string> ImageExtension(std::string_view format) {
  for (std::string_view known : {"gif", "png", "svg"}) {
    if (frame::EqualsAsciiIgnoringCase(format, known)) return std::string(known);
  }
  return std::nullopt;
}

std::string ChartImageFile(std::string_view stem, int number, std::string_view extension) {
  std::string file(stem);
  file += '_';
  file += std::to_string(number);
  file += '.';
  file += extension;
  return file;
}

std::string ChartImageSource(const ChartSettings& settings, std::string_view file) {
  std::string link;
  if (!settings.chart_image_location.empty()) {
    AppendLinkText(settings.chart_image_location, false, link);
  } else if (!settings.page_in_files_folder) {
    AppendLinkText(settings.files_folder_name, true, link);
    link += '/';
  }
  AppendLinkText(file, true, link);
  return link;
}

}  // namespace tabulo::charts
