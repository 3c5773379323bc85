#include "scripts/text/text_file.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <system_error>

#include "scripts/text/script_error.h"
#include "scripts/text/utf16.h"

namespace tabulo::text {
namespace {

constexpr std::size_t kFlushSize = 1 << 20;
constexpr std::string_view kByteOrderMark = "\xFF\xFE";
constexpr std::string_view kLineEnd = "\r\n";

}  // namespace

TextFile::TextFile(std::string destination) : destination_(std::move(destination)) {
  if (destination_.empty()) {
    Fail("no destination file name is given");
    return;
  }
  try {
    file_.emplace(destination_);
  } catch (const std::system_error& error) {
    Fail(error.code().message());
  }
}

void TextFile::Fail(std::string reason) {
  if (!failure_) failure_ = std::move(reason);
  file_.reset();
  pending_.reset();
  buffer_.clear();
}

void TextFile::Descriptions(std::string_view project, std::string_view document) {
  if (descriptions_written_) return;
  descriptions_written_ = true;
  if (failure_) return;
  std::string head(kByteOrderMark);
  for (std::string_view line : {std::string_view{}, project, document, std::string_view{}}) {
    AppendUtf16LittleEndian(line, head);
    AppendUtf16LittleEndian(kLineEnd, head);
  }
  try {
    file_->Write(head);
  } catch (const std::system_error& error) {
    Fail(error.code().message());
    return;
  }
  CopyPending();
}

void TextFile::WriteLine(std::string_view line) {
  if (failure_) return;
  AppendUtf16LittleEndian(line, buffer_);
  AppendUtf16LittleEndian(kLineEnd, buffer_);
  if (buffer_.size() >= kFlushSize) Flush();
}

void TextFile::Flush() {
  if (failure_ || buffer_.empty()) return;
  if (descriptions_written_) {
    try {
      file_->Write(buffer_);
    } catch (const std::system_error& error) {
      Fail(error.code().message());
      return;
    }
  } else {
    if (!pending_) pending_.reset(std::tmpfile());
    if (!pending_ || std::fwrite(buffer_.data(), 1, buffer_.size(), pending_.get()) != buffer_.size()) {
      Fail(std::string("the lines could not be kept in a temporary file: ") + std::strerror(errno));
      return;
    }
  }
  buffer_.clear();
}

// Moves the lines written before the descriptions behind them.
void TextFile::CopyPending() {
  if (!pending_) return;
  std::rewind(pending_.get());
  std::string chunk(kFlushSize, '\0');
  try {
    for (std::size_t read = 0; (read = std::fread(chunk.data(), 1, chunk.size(), pending_.get())) > 0;) {
      file_->Write(std::string_view(chunk).substr(0, read));
    }
  } catch (const std::system_error& error) {
    Fail(error.code().message());
    return;
  }
  if (std::ferror(pending_.get())) {
    Fail(std::string("the lines could not be read back from a temporary file: ") + std::strerror(errno));
    return;
  }
  pending_.reset();
}

void TextFile::Save(bool overwrite) {
  Descriptions("\"\"", "\"\"");
  Flush();
  if (!failure_) {
    try {
      file_->Commit(overwrite);
      return;
    } catch (const std::system_error& error) {
      Fail(error.code().message());
    }
  }
  throw ScriptError("CFileOps::OutputFile",
                    "The file '" + destination_ + "' could not be saved: " + *failure_);
}

}  // namespace tabulo::text
