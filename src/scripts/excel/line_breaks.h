#pragma once

#include <string_view>
#include <vector>

namespace tabulo::excel {

// Splits a text at every line-break tag, matched as the pattern <BR */*>
// without regard to letter case ("<br>", "<BR/>", "<br  />"). Gives the
// pieces between the tags: one more than there are tags, the last one the
// text after the last tag.
std::vector<std::string_view> SplitAtLineBreaks(std::string_view text);

}  // namespace tabulo::excel
