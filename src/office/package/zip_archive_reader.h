#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tabulo::office {

struct ZipEntry {
  std::string name;
  std::string bytes;
};

// Limits that keep a hostile archive from exhausting memory.
struct ZipReadLimits {
  std::size_t max_entries = 10000;
  std::size_t max_entry_size = std::size_t{1} << 30;  // uncompressed bytes
  std::size_t max_total_size = std::size_t{2} << 30;
};

// Reads every entry of a zip archive into memory, in the archive's order
// (folders left out). Throws std::runtime_error for an archive libzip cannot
// read, a damaged entry (checksum), or one beyond the limits.
std::vector<ZipEntry> ReadZipArchive(std::string_view bytes, const ZipReadLimits& limits = {});
std::vector<ZipEntry> ReadZipFile(const std::filesystem::path& path, const ZipReadLimits& limits = {});

}  // namespace tabulo::office
