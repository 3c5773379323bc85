#include "office/package/zip_stream_writer.h"

// zlib's input pointers then take const data.
#define ZLIB_CONST
#include <zlib.h>

#include <algorithm>
#include <limits>
#include <stdexcept>
#include <utility>

namespace tabulo::office {
namespace {

constexpr std::uint32_t kLocalHeaderSignature = 0x04034b50;
constexpr std::uint32_t kCentralHeaderSignature = 0x02014b50;
constexpr std::uint32_t kEndSignature = 0x06054b50;
constexpr std::uint32_t kZip64EndSignature = 0x06064b50;
constexpr std::uint32_t kZip64LocatorSignature = 0x07064b50;
constexpr std::uint16_t kZip64ExtraId = 0x0001;
// What follows the size field of a zip64 end record.
constexpr std::uint64_t kZip64EndRemainder = 44;

constexpr std::uint16_t kVersionDeflate = 20;
constexpr std::uint16_t kVersionZip64 = 45;
// Host 0 (DOS) in the high byte: see the class comment.
constexpr std::uint16_t kVersionMadeBy = kVersionZip64;
constexpr std::uint16_t kMethodDeflate = 8;
constexpr std::uint16_t kUtf8NameFlag = 1U << 11U;
// 1 January 1980 00:00, the earliest time the DOS fields can hold.
constexpr std::uint16_t kDosDate = (0U << 9U) | (1U << 5U) | 1U;
constexpr std::uint16_t kDosTime = 0;

// Values from these up live in zip64 fields; the classic field holds the marker.
constexpr std::uint64_t kMax16 = 0xFFFF;
constexpr std::uint64_t kMax32 = 0xFFFFFFFF;

// zlib's fastest level: on a large sheet the default level takes twice the
// time of everything else together, for files only about a fifth smaller.
constexpr int kDeflateLevel = 1;
constexpr int kDeflateMemLevel = 8;  // zlib's default
// Uncompressed bytes that may wait for the worker before Add blocks.
constexpr std::size_t kMaxPendingBytes = std::size_t{16} << 20U;

// Every zip field is little-endian.
void PutField(std::string& out, std::uint64_t value, int width) {
  for (int byte = 0; byte < width; ++byte) out.push_back(static_cast<char>((value >> (8 * byte)) & 0xFFU));
}
void Put16(std::string& out, std::uint64_t value) { PutField(out, value, 2); }
void Put32(std::string& out, std::uint64_t value) { PutField(out, value, 4); }
void Put64(std::string& out, std::uint64_t value) { PutField(out, value, 8); }

std::uint16_t NameFlags(std::string_view name) {
  const bool ascii =
      std::all_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80U; });
  return ascii ? 0 : kUtf8NameFlag;
}

void CheckName(std::string_view name) {
  if (name.empty()) throw std::invalid_argument("zip: empty entry name");
  // A longer name would overflow its 16-bit length field and garble the archive.
  if (name.size() > kMax16) throw std::invalid_argument("zip: entry name too long");
}

// The fields every header shares, from "version needed" to the name length.
void PutCommonFields(std::string& out, std::uint16_t version_needed, const ZipEntryRecord& entry,
                     std::uint64_t compressed_size32, std::uint64_t size32) {
  CheckName(entry.name);
  Put16(out, version_needed);
  Put16(out, NameFlags(entry.name));
  Put16(out, kMethodDeflate);
  Put16(out, kDosTime);
  Put16(out, kDosDate);
  Put32(out, entry.crc32);
  Put32(out, compressed_size32);
  Put32(out, size32);
  Put16(out, entry.name.size());
}

std::string Zip64Extra(std::string_view values) {
  if (values.empty()) return {};
  std::string extra;
  Put16(extra, kZip64ExtraId);
  Put16(extra, values.size());
  extra += values;
  return extra;
}

std::uint32_t Crc32(std::string_view bytes) {
  return static_cast<std::uint32_t>(crc32_z(0, reinterpret_cast<const Bytef*>(bytes.data()), bytes.size()));
}

uInt ChunkOf(std::size_t size) {
  return static_cast<uInt>(std::min<std::size_t>(size, std::numeric_limits<uInt>::max()));
}

// One raw deflate stream, reset for each entry rather than set up anew.
class Deflater {
 public:
  Deflater() {
    if (deflateInit2(&stream_, kDeflateLevel, Z_DEFLATED, -MAX_WBITS, kDeflateMemLevel, Z_DEFAULT_STRATEGY) !=
        Z_OK) {
      throw std::runtime_error("zip: cannot set up zlib");
    }
  }
  Deflater(const Deflater&) = delete;
  Deflater& operator=(const Deflater&) = delete;
  ~Deflater() { deflateEnd(&stream_); }

  std::string Deflate(std::string_view input) {
    if (deflateReset(&stream_) != Z_OK) throw std::runtime_error("zip: cannot reset zlib");
    // Room for the whole stream, so only zlib's 32-bit counters split the work.
    std::string output(deflateBound(&stream_, input.size()), '\0');
    int result = Z_OK;
    while (result == Z_OK) {
      const std::size_t consumed = stream_.total_in;
      const std::size_t produced = stream_.total_out;
      stream_.next_in = reinterpret_cast<const Bytef*>(input.data() + consumed);
      stream_.avail_in = ChunkOf(input.size() - consumed);
      stream_.next_out = reinterpret_cast<Bytef*>(output.data() + produced);
      stream_.avail_out = ChunkOf(output.size() - produced);
      const bool last = stream_.avail_in == input.size() - consumed;
      result = deflate(&stream_, last ? Z_FINISH : Z_NO_FLUSH);
    }
    if (result != Z_STREAM_END) throw std::runtime_error("zip: deflate failed");
    output.resize(stream_.total_out);
    return output;
  }

 private:
  z_stream stream_{};
};

// An entry ready to write: its record, local header and deflated data.
struct LocalEntry {
  ZipEntryRecord record;
  std::string header;
  std::string data;
};

LocalEntry MakeLocalEntry(Deflater& deflater, std::string name, std::string_view bytes,
                          std::uint64_t offset) {
  LocalEntry entry{{std::move(name), Crc32(bytes), 0, bytes.size(), offset}, {}, {}};
  entry.data = deflater.Deflate(bytes);
  entry.record.compressed_size = entry.data.size();
  entry.header = ZipLocalHeader(entry.record);
  return entry;
}

}  // namespace

std::string ZipLocalHeader(const ZipEntryRecord& entry) {
  // A local header's zip64 field, when there is one, holds both sizes.
  const bool zip64 = entry.size >= kMax32 || entry.compressed_size >= kMax32;
  std::string values;
  if (zip64) {
    Put64(values, entry.size);
    Put64(values, entry.compressed_size);
  }
  const std::string extra = Zip64Extra(values);
  std::string out;
  Put32(out, kLocalHeaderSignature);
  PutCommonFields(out, zip64 ? kVersionZip64 : kVersionDeflate, entry, zip64 ? kMax32 : entry.compressed_size,
                  zip64 ? kMax32 : entry.size);
  Put16(out, extra.size());
  out += entry.name;
  out += extra;
  return out;
}

std::string ZipCentralHeader(const ZipEntryRecord& entry) {
  // Only the values that do not fit go to the zip64 field, in this order.
  std::string values;
  const auto narrow = [&values](std::uint64_t value) {
    if (value < kMax32) return value;
    Put64(values, value);
    return kMax32;
  };
  const std::uint64_t size32 = narrow(entry.size);
  const std::uint64_t compressed_size32 = narrow(entry.compressed_size);
  const std::uint64_t offset32 = narrow(entry.offset);
  const std::string extra = Zip64Extra(values);
  std::string out;
  Put32(out, kCentralHeaderSignature);
  Put16(out, kVersionMadeBy);
  PutCommonFields(out, extra.empty() ? kVersionDeflate : kVersionZip64, entry, compressed_size32, size32);
  Put16(out, extra.size());
  Put16(out, 0);  // comment length
  Put16(out, 0);  // disk number
  Put16(out, 0);  // internal attributes
  Put32(out, 0);  // external attributes
  Put32(out, offset32);
  out += entry.name;
  out += extra;
  return out;
}

std::string ZipEndRecords(std::uint64_t entry_count, std::uint64_t directory_offset,
                          std::uint64_t directory_size) {
  const bool zip64 = entry_count >= kMax16 || directory_offset >= kMax32 || directory_size >= kMax32;
  std::string out;
  if (zip64) {
    Put32(out, kZip64EndSignature);
    Put64(out, kZip64EndRemainder);
    Put16(out, kVersionMadeBy);
    Put16(out, kVersionZip64);
    Put32(out, 0);  // this disk
    Put32(out, 0);  // the directory's disk
    Put64(out, entry_count);
    Put64(out, entry_count);
    Put64(out, directory_size);
    Put64(out, directory_offset);

    Put32(out, kZip64LocatorSignature);
    Put32(out, 0);                                  // the zip64 end record's disk
    Put64(out, directory_offset + directory_size);  // where that record starts
    Put32(out, 1);                                  // disks in all
  }
  const std::uint64_t count16 = std::min(entry_count, kMax16);
  Put32(out, kEndSignature);
  Put16(out, 0);  // this disk
  Put16(out, 0);  // the directory's disk
  Put16(out, count16);
  Put16(out, count16);
  Put32(out, std::min(directory_size, kMax32));
  Put32(out, std::min(directory_offset, kMax32));
  Put16(out, 0);  // comment length
  return out;
}

ZipStreamWriter::ZipStreamWriter(ByteSink& sink)
    : sink_(sink), entries_sink_(sink), worker_([this] { Work(); }) {}

ZipStreamWriter::ZipStreamWriter(ByteSink& sink, SpoolSink& spool)
    : sink_(sink), spool_(&spool), entries_sink_(spool), worker_([this] { Work(); }) {}

ZipStreamWriter::~ZipStreamWriter() {
  if (!worker_.joinable()) return;
  {
    const std::lock_guard lock(mutex_);
    abandoned_ = true;
  }
  work_ready_.notify_one();
  worker_.join();
}

void ZipStreamWriter::Add(std::string_view name, std::string bytes) {
  if (finished_) throw std::logic_error("zip: archive already finished");
  CheckNewName(name);
  std::unique_lock lock(mutex_);
  if (failure_) std::rethrow_exception(failure_);
  names_.emplace(name);
  pending_bytes_ += bytes.size();
  queue_.push_back({std::string(name), std::move(bytes)});
  work_ready_.notify_one();
  room_free_.wait(lock, [this] { return pending_bytes_ <= kMaxPendingBytes || failure_; });
  if (failure_) std::rethrow_exception(failure_);
}

void ZipStreamWriter::Finish() {
  if (spool_ != nullptr) throw std::logic_error("zip: the archive waits for its first entry");
  DrainQueue();
  WriteDirectory();
}

void ZipStreamWriter::FinishWithFirst(std::string_view name, std::string bytes) {
  if (spool_ == nullptr) throw std::logic_error("zip: the archive has begun already");
  CheckNewName(name);
  DrainQueue();
  Deflater deflater;
  LocalEntry first = MakeLocalEntry(deflater, std::string(name), bytes, 0);
  sink_.Write(first.header);
  sink_.Write(first.data);
  spool_->CopyTo(sink_);
  const std::uint64_t shift = first.header.size() + first.data.size();
  for (ZipEntryRecord& record : records_) record.offset += shift;
  records_.insert(records_.begin(), std::move(first.record));
  offset_ += shift;
  WriteDirectory();
}

void ZipStreamWriter::DrainQueue() {
  if (finished_) throw std::logic_error("zip: archive already finished");
  finished_ = true;
  {
    const std::lock_guard lock(mutex_);
    closing_ = true;
  }
  work_ready_.notify_one();
  worker_.join();
  if (failure_) std::rethrow_exception(failure_);
}

void ZipStreamWriter::Work() {
  try {
    Deflater deflater;
    for (;;) {
      Pending entry;
      {
        std::unique_lock lock(mutex_);
        work_ready_.wait(lock, [this] { return abandoned_ || closing_ || !queue_.empty(); });
        if (abandoned_ || queue_.empty()) return;
        entry = std::move(queue_.front());
        queue_.pop_front();
      }
      const std::size_t size = entry.bytes.size();
      LocalEntry local = MakeLocalEntry(deflater, std::move(entry.name), entry.bytes, offset_);
      WriteEntry(std::move(local.record), local.header, local.data);
      {
        const std::lock_guard lock(mutex_);
        pending_bytes_ -= size;
      }
      room_free_.notify_one();
    }
  } catch (...) {
    {
      const std::lock_guard lock(mutex_);
      failure_ = std::current_exception();
      queue_.clear();
      pending_bytes_ = 0;
    }
    room_free_.notify_one();
  }
}

void ZipStreamWriter::CheckNewName(std::string_view name) const {
  CheckName(name);
  if (names_.contains(name)) throw std::invalid_argument("zip: duplicate entry " + std::string(name));
}

void ZipStreamWriter::WriteEntry(ZipEntryRecord record, std::string_view header, std::string_view data) {
  entries_sink_.Write(header);
  entries_sink_.Write(data);
  offset_ += header.size() + data.size();
  records_.push_back(std::move(record));
}

void ZipStreamWriter::WriteDirectory() {
  const std::uint64_t directory_offset = offset_;
  std::uint64_t directory_size = 0;
  for (const ZipEntryRecord& record : records_) {
    const std::string header = ZipCentralHeader(record);
    sink_.Write(header);
    directory_size += header.size();
  }
  sink_.Write(ZipEndRecords(records_.size(), directory_offset, directory_size));
  // The writer is spent: what it kept for the directory can go.
  records_ = {};
  names_ = {};
}

}  // namespace tabulo::office
