#pragma once

#include <cstdint>
#include <optional>

namespace tabulo::office {

enum class PageOrientation : std::uint8_t { kDefault, kPortrait, kLandscape };

struct FitToPages {
  std::int32_t wide = 1;  // 0: as many pages as needed
  std::int32_t tall = 1;

  friend bool operator==(const FitToPages&, const FitToPages&) = default;
};

// First to last row (or column) repeated on every printed page, 1-based.
struct PrintTitleSpan {
  std::int32_t first = 1;
  std::int32_t last = 1;

  friend bool operator==(const PrintTitleSpan&, const PrintTitleSpan&) = default;
};

// How a worksheet prints. With fit_to_pages set, zoom is off and the page
// is scaled to the number of pages; otherwise `zoom` (10 to 400 percent)
// applies.
struct PageSetup {
  PageOrientation orientation = PageOrientation::kDefault;
  std::int32_t zoom = 100;
  std::optional<FitToPages> fit_to_pages{};
  std::optional<PrintTitleSpan> title_rows{};
  std::optional<PrintTitleSpan> title_columns{};

  friend bool operator==(const PageSetup&, const PageSetup&) = default;
};

// Throws std::invalid_argument for a zoom outside 10 to 400, a negative or
// too large fit count (above 32767), or print titles outside the sheet or
// with first after last.
void CheckPageSetup(const PageSetup& setup);

}  // namespace tabulo::office
