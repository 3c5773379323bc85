#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "tables/cdocument.h"

namespace tabulo::html {

// The "_files" folder beside a main page: the destination without the
// extension of its file name, followed by "_files".
struct FilesFolder {
  std::filesystem::path full_path;
  std::string relative_name;  // used in links from the main page
};

FilesFolder FilesFolderOf(std::string_view destination);

// Creates the folder (one level) when it is missing. Throws HtmlError with
// message 2020 and the system's reason.
void EnsureFolder(const std::filesystem::path& folder);

// The page file name of every table, in document order: the safe name and
// ".htm"; a name already taken (letter case aside, the contents page
// included) gets "_2", "_3", ... so that no page replaces another.
std::vector<std::string> TablePageNames(const tables::CTables& tables);

}  // namespace tabulo::html
