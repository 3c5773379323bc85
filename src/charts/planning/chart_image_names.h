#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "charts/planning/chart_settings.h"

namespace tabulo::charts {

// "gif", "png" or "svg" for a format given in any letter case; nullopt for
// any other.
std::optional<std::string> ImageExtension(std::string_view format);

// The image file of chart `number` inside the files folder:
// stem + "_" + number + "." + extension.
std::string ChartImageFile(std::string_view stem, int number, std::string_view extension);

// The src of a chart's image element: ChartImageLocation + file when a
// location is set; else the file alone on a page inside the files folder,
// or the folder's relative name + "/" + file on the main page. Blanks become
// "%20"; in the folder and file names, which are file-system names rather
// than addresses, "%" and "#" are encoded too, so that they reach the file.
std::string ChartImageSource(const ChartSettings& settings, std::string_view file);

}  // namespace tabulo::charts
