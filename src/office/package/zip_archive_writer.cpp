#include "office/package/zip_archive_writer.h"

#include <zip.h>

#include <cstdio>
#include <set>
#include <stdexcept>

namespace tabulo::office {
namespace {

// 1 January 1980 00:00, the earliest time the DOS fields can hold.
constexpr zip_uint16_t kDosDate = (0U << 9U) | (1U << 5U) | 1U;
constexpr zip_uint16_t kDosTime = 0;
// zlib's fastest level: on a large sheet the default level takes twice the
// time of everything else together, for files only about a fifth smaller.
constexpr zip_uint32_t kDeflateLevel = 1;

[[noreturn]] void Fail(std::string_view what, zip_error_t* error) {
  std::string message = "zip: " + std::string(what);
  if (error != nullptr) message += ": " + std::string(zip_error_strerror(error));
  throw std::runtime_error(message);
}

}  // namespace

struct ZipArchiveWriter::State {
  zip_source_t* memory = nullptr;
  zip_t* archive = nullptr;
  // libzip reads the entries' bytes only when the archive is closed.
  std::vector<std::unique_ptr<std::string>> contents;
  std::set<std::string, std::less<>> names;
  bool finished = false;

  ~State() {
    if (archive != nullptr) zip_discard(archive);
    if (memory != nullptr) zip_source_free(memory);
  }
};

ZipArchiveWriter::ZipArchiveWriter() : state_(std::make_unique<State>()) {
  zip_error_t error;
  zip_error_init(&error);
  state_->memory = zip_source_buffer_create(nullptr, 0, 0, &error);
  if (state_->memory == nullptr) Fail("cannot create a memory buffer", &error);
  state_->archive = zip_open_from_source(state_->memory, ZIP_TRUNCATE, &error);
  if (state_->archive == nullptr) Fail("cannot open the memory archive", &error);
  // The archive must not free the buffer on close: its bytes are read after.
  zip_source_keep(state_->memory);
  zip_error_fini(&error);
}

ZipArchiveWriter::~ZipArchiveWriter() = default;

void ZipArchiveWriter::Add(std::string_view name, std::string_view bytes) {
  const auto& content = state_->contents.emplace_back(std::make_unique<std::string>(bytes));
  AddBorrowed(name, *content);
}

void ZipArchiveWriter::AddBorrowed(std::string_view name, std::string_view bytes) {
  if (state_->finished) throw std::logic_error("zip: archive already finished");
  if (name.empty()) throw std::invalid_argument("zip: empty entry name");
  if (!state_->names.emplace(name).second) {
    throw std::invalid_argument("zip: duplicate entry " + std::string(name));
  }
  zip_source_t* source = zip_source_buffer(state_->archive, bytes.data(), bytes.size(), 0);
  if (source == nullptr) Fail("cannot add " + std::string(name), zip_get_error(state_->archive));
  const std::string entry_name(name);
  const zip_int64_t index = zip_file_add(state_->archive, entry_name.c_str(), source, ZIP_FL_ENC_UTF_8);
  if (index < 0) {
    zip_source_free(source);
    Fail("cannot add " + entry_name, zip_get_error(state_->archive));
  }
  const auto entry = static_cast<zip_uint64_t>(index);
  if (zip_set_file_compression(state_->archive, entry, ZIP_CM_DEFLATE, kDeflateLevel) != 0 ||
      zip_file_set_dostime(state_->archive, entry, kDosTime, kDosDate, 0) != 0) {
    Fail("cannot set up " + entry_name, zip_get_error(state_->archive));
  }
}

std::string ZipArchiveWriter::Finish() {
  if (state_->finished) throw std::logic_error("zip: archive already finished");
  state_->finished = true;
  if (zip_close(state_->archive) != 0) {
    Fail("cannot write the archive", zip_get_error(state_->archive));
  }
  state_->archive = nullptr;
  state_->contents.clear();

  zip_source_t* memory = state_->memory;
  if (zip_source_open(memory) != 0) Fail("cannot read the archive", zip_source_error(memory));
  std::string bytes;
  if (zip_source_seek(memory, 0, SEEK_END) != 0) Fail("cannot size the archive", zip_source_error(memory));
  const zip_int64_t size = zip_source_tell(memory);
  if (size < 0 || zip_source_seek(memory, 0, SEEK_SET) != 0) {
    Fail("cannot size the archive", zip_source_error(memory));
  }
  bytes.resize(static_cast<std::size_t>(size));
  zip_int64_t read = zip_source_read(memory, bytes.data(), bytes.size());
  zip_source_close(memory);
  if (read != size) Fail("cannot read the archive", zip_source_error(memory));
  return bytes;
}

}  // namespace tabulo::office
