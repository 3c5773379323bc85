#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tabulo::office {

// Builds a zip archive in memory: entries deflated, in the order added, all
// stamped with one fixed time so that the same content always gives the
// same bytes. Throws std::runtime_error when libzip fails.
class ZipArchiveWriter {
 public:
  ZipArchiveWriter();
  ZipArchiveWriter(const ZipArchiveWriter&) = delete;
  ZipArchiveWriter& operator=(const ZipArchiveWriter&) = delete;
  ~ZipArchiveWriter();

  // The bytes are copied; an entry name may appear only once.
  void Add(std::string_view name, std::string_view bytes);
  // As Add, without the copy: the bytes must stay alive until Finish.
  void AddBorrowed(std::string_view name, std::string_view bytes);
  // Finishes the archive and gives its bytes; the writer is spent afterwards.
  std::string Finish();

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace tabulo::office
