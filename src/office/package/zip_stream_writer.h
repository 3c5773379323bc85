#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <exception>
#include <mutex>
#include <set>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "office/package/byte_sink.h"
#include "office/package/spool_sink.h"

namespace tabulo::office {

// One entry as the central directory describes it: all that stays in memory
// once the entry's data has gone to the sink.
struct ZipEntryRecord {
  std::string name;  // UTF-8
  std::uint32_t crc32 = 0;
  std::uint64_t compressed_size = 0;
  std::uint64_t size = 0;    // uncompressed
  std::uint64_t offset = 0;  // of the local header
};

// The record layouts. Each carries zip64 fields only where a value does not
// fit the classic 32-bit (or 16-bit) field; public so that those cases can be
// checked without writing 4 GiB.
std::string ZipLocalHeader(const ZipEntryRecord& entry);
std::string ZipCentralHeader(const ZipEntryRecord& entry);
// The zip64 end record and locator where needed, then the classic end record.
std::string ZipEndRecords(std::uint64_t entry_count, std::uint64_t directory_offset,
                          std::uint64_t directory_size);

// Writes a zip archive entry by entry to a sink: each entry is deflated
// (zlib level 1) and written as soon as possible, so that only the central
// directory's records stay in memory. Entries keep the order added and are
// all stamped 1 January 1980 00:00, so the same content always gives the
// same bytes. Names are UTF-8. Records say "made by" zip 4.5 on a DOS host
// with external attributes 0: readers then apply their default permissions
// (a Unix host with mode 0 would extract unreadable files).
//
// Deflating runs on one worker thread, so the caller can build the next
// entry meanwhile; only the worker writes to the sink until Finish. Add and
// Finish are for one calling thread.
//
// An archive may also begin with an entry whose bytes are known only at the
// end (the content types of a package, which list every part): the other
// entries then wait in a spool file until FinishWithFirst writes the first
// entry and copies them after it.
class ZipStreamWriter {
 public:
  explicit ZipStreamWriter(ByteSink& sink);
  // Keeps the entries in `spool` (empty, and used by nothing else) until
  // FinishWithFirst.
  ZipStreamWriter(ByteSink& sink, SpoolSink& spool);
  ZipStreamWriter(const ZipStreamWriter&) = delete;
  ZipStreamWriter& operator=(const ZipStreamWriter&) = delete;
  // An unfinished archive is abandoned: entries still queued are dropped.
  ~ZipStreamWriter();

  // Queues one entry and returns; blocks only while more than 16 MiB of
  // entries are waiting. Throws std::invalid_argument for an empty name, one
  // too long for the format or one added before, std::logic_error after
  // Finish, and rethrows a failure of the sink or of zlib met since.
  void Add(std::string_view name, std::string bytes);
  // Writes every pending entry, then the central directory and end records;
  // the writer is spent afterwards (also when this throws). Not for a
  // writer with a spool (std::logic_error).
  void Finish();
  // The end of a writer with a spool: writes the entry `name` first, then
  // the entries added, then the directory.
  void FinishWithFirst(std::string_view name, std::string bytes);

 private:
  struct Pending {
    std::string name;
    std::string bytes;
  };

  void Work();
  // Lets the worker write out the queue and stop; rethrows its failure.
  void DrainQueue();
  void CheckNewName(std::string_view name) const;
  void WriteEntry(ZipEntryRecord record, std::string_view header, std::string_view data);
  void WriteDirectory();

  ByteSink& sink_;
  SpoolSink* spool_ = nullptr;
  ByteSink& entries_sink_;  // the sink, or the spool
  // The caller's side: names seen, for the duplicate check.
  std::set<std::string, std::less<>> names_;
  bool finished_ = false;
  // The worker's side until it is joined.
  std::vector<ZipEntryRecord> records_;
  std::uint64_t offset_ = 0;

  std::mutex mutex_;
  std::condition_variable work_ready_;  // the worker waits for entries
  std::condition_variable room_free_;   // Add waits for the queue to shrink
  std::deque<Pending> queue_;
  std::size_t pending_bytes_ = 0;  // queued plus the entry being written
  bool closing_ = false;           // write what is queued, then stop
  bool abandoned_ = false;         // stop now
  std::exception_ptr failure_;

  std::thread worker_;  // last: it starts once everything above exists
};

}  // namespace tabulo::office
