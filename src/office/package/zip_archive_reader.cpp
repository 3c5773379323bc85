#include "office/package/zip_archive_reader.h"

#include <zip.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <stdexcept>

namespace tabulo::office {
namespace {

[[noreturn]] void Fail(const std::string& what) { throw std::runtime_error("zip: " + what); }

struct ArchiveCloser {
  void operator()(zip_t* archive) const { zip_discard(archive); }
};
struct FileCloser {
  void operator()(zip_file_t* file) const { zip_fclose(file); }
};

}  // namespace

std::vector<ZipEntry> ReadZipArchive(std::string_view bytes, const ZipReadLimits& limits) {
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
  if (source == nullptr) Fail(zip_error_strerror(&error));
  // ZIP_CHECKCONS: refuse archives whose directories disagree.
  std::unique_ptr<zip_t, ArchiveCloser> archive(
      zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error));
  if (!archive) {
    zip_source_free(source);
    std::string reason = zip_error_strerror(&error);
    zip_error_fini(&error);
    Fail("not a readable archive: " + reason);
  }
  zip_error_fini(&error);

  const zip_int64_t count = zip_get_num_entries(archive.get(), 0);
  if (count < 0 || static_cast<std::size_t>(count) > limits.max_entries) Fail("too many entries");
  std::vector<ZipEntry> entries;
  std::size_t total = 0;
  for (zip_uint64_t index = 0; index < static_cast<zip_uint64_t>(count); ++index) {
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(archive.get(), index, 0, &stat) != 0 || (stat.valid & ZIP_STAT_NAME) == 0 ||
        (stat.valid & ZIP_STAT_SIZE) == 0) {
      Fail("unreadable entry");
    }
    std::string name = stat.name;
    if (!name.empty() && name.back() == '/') continue;
    if (stat.size > limits.max_entry_size || total + stat.size > limits.max_total_size) {
      Fail("entry too large: " + name);
    }
    total += stat.size;
    std::unique_ptr<zip_file_t, FileCloser> file(zip_fopen_index(archive.get(), index, 0));
    if (!file) Fail("cannot open entry " + name);
    std::string content(static_cast<std::size_t>(stat.size), '\0');
    const zip_int64_t read = zip_fread(file.get(), content.data(), content.size());
    // One more read must find the end; a short or failed read, or a CRC
    // mismatch (reported at the end), means the entry is damaged.
    char extra = 0;
    if (read != static_cast<zip_int64_t>(content.size()) || zip_fread(file.get(), &extra, 1) != 0) {
      Fail("damaged entry " + name);
    }
    entries.push_back({std::move(name), std::move(content)});
  }
  return entries;
}

std::vector<ZipEntry> ReadZipFile(const std::filesystem::path& path, const ZipReadLimits& limits) {
  std::ifstream stream(path, std::ios::binary);
  if (!stream) Fail("cannot open " + path.string());
  const std::string bytes((std::istreambuf_iterator<char>(stream)), std::istreambuf_iterator<char>());
  return ReadZipArchive(bytes, limits);
}

}  // namespace tabulo::office
