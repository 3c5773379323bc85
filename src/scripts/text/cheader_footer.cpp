#include "scripts/text/cheader_footer.h"

#include "scripts/text/quote_the_string.h"

namespace tabulo::text {

void CHeaderFooter::Set(std::size_t index, std::string_view text) { lines_[index] = QuoteTheString(text); }

}  // namespace tabulo::text
