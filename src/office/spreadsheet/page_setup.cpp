#include "office/spreadsheet/page_setup.h"

#include <stdexcept>

#include "office/spreadsheet/cell_reference.h"

namespace tabulo::office {

void CheckPageSetup(const PageSetup& setup) {
  if (setup.zoom < 10 || setup.zoom > 400) throw std::invalid_argument("zoom outside 10 to 400 percent");
  if (setup.fit_to_pages && (setup.fit_to_pages->wide < 0 || setup.fit_to_pages->tall < 0 ||
                             setup.fit_to_pages->wide > 32767 || setup.fit_to_pages->tall > 32767)) {
    throw std::invalid_argument("fit-to-pages count outside 0 to 32767");
  }
  const auto check_span = [](const std::optional<PrintTitleSpan>& span, std::int32_t limit) {
    if (span && (span->first < 1 || span->first > span->last || span->last > limit)) {
      throw std::invalid_argument("print titles outside the sheet");
    }
  };
  check_span(setup.title_rows, kMaxRows);
  check_span(setup.title_columns, kMaxColumns);
}

}  // namespace tabulo::office
