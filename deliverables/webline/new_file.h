#pragma once

#include <filesystem>
#include <string_view>

namespace tabulo::deliverables::webline {

enum class NewFileResult { kWritten, kAlreadyThere, kCannotCreate, kIncomplete };

// Writes a file that must not replace anything: an existing file of that
// name is left as it is. A file that cannot be written whole is removed
// again.
NewFileResult WriteNewFile(const std::filesystem::path& path, std::string_view bytes);

}  // namespace tabulo::deliverables::webline
