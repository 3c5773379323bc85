#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace tabulo::text {

// The four annotation lines above (header) or below (footer) a table. Every
// text is stored quoted; a line never set stays empty.
class CHeaderFooter {
 public:
  static constexpr std::size_t MAX_HEADER_FOOTER_LINES = 4;

  void Title(std::string_view text) { Set(0, text); }
  void Left(std::string_view text) { Set(1, text); }
  void Center(std::string_view text) { Set(2, text); }
  void Right(std::string_view text) { Set(3, text); }
  // Line 0 title, 1 left, 2 center, 3 right.
  const std::string& GetLine(std::size_t index) const { return lines_.at(index); }
  static constexpr std::size_t HeightOfHFBlock() { return MAX_HEADER_FOOTER_LINES; }

 private:
  void Set(std::size_t index, std::string_view text);

  std::array<std::string, MAX_HEADER_FOOTER_LINES> lines_;
};

}  // namespace tabulo::text
