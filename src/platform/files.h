#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tabulo::platform {

bool FileExists(const std::filesystem::path& path);
bool DirectoryExists(const std::filesystem::path& path);

// The full path of a user-supplied path: both "/" and "\" separate
// components, a relative path is taken against the current directory, and
// "." and ".." are resolved by name. nullopt when it cannot be expanded.
std::optional<std::string> ExpandFullPath(std::string_view path);

// The path without its last component ("" when there is none).
std::string RemoveLastComponent(std::string_view path);
// The last component of a path: the title shown in messages.
std::string DisplayTitle(std::string_view path);
// Whether the last component has an extension.
bool HasExtension(std::string_view path);

// Whether the file grants the caller write permission (for the superuser:
// whether it is not read-only).
bool IsWritable(const std::filesystem::path& path);
// Opens (creating when missing) the file for reading and writing and takes an
// exclusive lock, then releases both; false when another process holds a lock
// on it or it cannot be opened so.
bool CanOpenExclusively(const std::filesystem::path& path);
// Whether the file could be opened for reading and writing and locked right now.
bool IsLockedByOther(const std::filesystem::path& path);

// The temporary folder, ending with a separator: $TMPDIR when set, else /tmp/.
std::string TempFolder();

// A name from a document as a file name: path separators, "..", control
// characters and characters that file systems reserve become "_", so that no
// name can reach outside the folder it is meant for.
std::string SafeFileName(std::string_view name);

}  // namespace tabulo::platform
