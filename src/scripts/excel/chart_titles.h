#pragma once

#include <string>
#include <string_view>

namespace tabulo::excel {

// A name followed by ": (" + path + ")" when the path is not empty, as chart
// and axis titles name the variables a block sits under.
std::string WithPath(std::string_view name, std::string_view path);

// The text of a heading over a block of categories: the block's path, ", "
// and its name, or the name alone when the path is empty.
std::string BlockHeading(std::string_view name, std::string_view path);

}  // namespace tabulo::excel
