#include "office/package/zip_stream_writer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "office/package/byte_sink.h"
#include "office/package/zip_archive_reader.h"
#include "support/temp_folder.h"

namespace tabulo::office {
namespace {

constexpr std::uint64_t kFourGiB = 0x1'0000'0000;
constexpr std::uint16_t kUtf8Flag = 0x0800;
constexpr std::uint16_t kJanuary1980 = (1 << 5) | 1;

std::uint64_t Field(std::string_view bytes, std::size_t at, std::size_t width) {
  std::uint64_t value = 0;
  for (std::size_t byte = width; byte-- > 0;) {
    value = (value << 8U) | static_cast<unsigned char>(bytes.at(at + byte));
  }
  return value;
}
std::uint64_t U16(std::string_view bytes, std::size_t at) { return Field(bytes, at, 2); }
std::uint64_t U32(std::string_view bytes, std::size_t at) { return Field(bytes, at, 4); }
std::uint64_t U64(std::string_view bytes, std::size_t at) { return Field(bytes, at, 8); }

// What the tests look at in a local or central header.
struct Header {
  std::string name;
  std::uint64_t version_needed = 0;
  std::uint64_t flags = 0;
  std::uint64_t method = 0;
  std::uint64_t time = 0;
  std::uint64_t date = 0;
  std::uint64_t crc32 = 0;
  std::uint64_t compressed_size = 0;
  std::uint64_t size = 0;
  std::size_t length = 0;  // of the whole header, name and extra field included
};

// The fields from "version needed" on sit at the same places in both kinds,
// the central ones two bytes further on.
Header ReadHeader(std::string_view bytes, std::size_t at, std::size_t shift, std::size_t fixed_length,
                  std::size_t variable_lengths) {
  Header header;
  header.version_needed = U16(bytes, at + 4 + shift);
  header.flags = U16(bytes, at + 6 + shift);
  header.method = U16(bytes, at + 8 + shift);
  header.time = U16(bytes, at + 10 + shift);
  header.date = U16(bytes, at + 12 + shift);
  header.crc32 = U32(bytes, at + 14 + shift);
  header.compressed_size = U32(bytes, at + 18 + shift);
  header.size = U32(bytes, at + 22 + shift);
  const std::size_t name_length = U16(bytes, at + 26 + shift);
  header.name = std::string(bytes.substr(at + fixed_length, name_length));
  header.length = fixed_length;
  for (std::size_t field = 0; field < variable_lengths; ++field) {
    header.length += U16(bytes, at + 26 + shift + 2 * field);
  }
  return header;
}

// Walks the entries from the start of the archive; stops at the first
// thing that is not a local header.
std::vector<Header> LocalHeaders(std::string_view zip, std::size_t* end = nullptr) {
  std::vector<Header> headers;
  std::size_t at = 0;
  while (at + 4 <= zip.size() && U32(zip, at) == 0x04034b50) {
    headers.push_back(ReadHeader(zip, at, 0, 30, 2));
    at += headers.back().length + headers.back().compressed_size;
  }
  if (end != nullptr) *end = at;
  return headers;
}

// Walks the central directory named by the end record (no comment, no zip64).
std::vector<Header> CentralHeaders(std::string_view zip) {
  const std::size_t end = zip.size() - 22;
  EXPECT_EQ(U32(zip, end), 0x06054b50U);
  std::vector<Header> headers;
  std::size_t at = U32(zip, end + 16);
  for (std::uint64_t index = 0; index < U16(zip, end + 10); ++index) {
    EXPECT_EQ(U32(zip, at), 0x02014b50U);
    headers.push_back(ReadHeader(zip, at, 2, 46, 3));
    at += headers.back().length;
  }
  EXPECT_EQ(at, end);
  return headers;
}

std::string RandomBytes(std::size_t size) {
  std::mt19937 generator(20240611);
  std::string bytes(size, '\0');
  for (char& byte : bytes) byte = static_cast<char>(generator() & 0xFFU);
  return bytes;
}

std::vector<ZipEntry> SampleEntries() {
  std::string repeated;
  while (repeated.size() < (1U << 20U)) repeated += "<c r=\"A1\"><v>42</v></c>";
  return {{"[Content_Types].xml", "<Types/>"},
          {"empty.bin", ""},
          {"xl/repeated.xml", repeated},
          {"xl/random.bin", RandomBytes(1U << 20U)},
          {"xl/m\xC3\xA9"
           "dia/\xE8\xA1\xA8.xml",
           "<t>\xE8\xA1\xA8</t>"}};
}

std::string Archive(const std::vector<ZipEntry>& entries) {
  StringSink sink;
  ZipStreamWriter writer(sink);
  for (const ZipEntry& entry : entries) writer.Add(entry.name, entry.bytes);
  writer.Finish();
  return sink.TakeBytes();
}

void ExpectSameEntries(const std::vector<ZipEntry>& actual, const std::vector<ZipEntry>& expected) {
  ASSERT_EQ(actual.size(), expected.size());
  for (std::size_t index = 0; index < expected.size(); ++index) {
    EXPECT_EQ(actual[index].name, expected[index].name);
    EXPECT_TRUE(actual[index].bytes == expected[index].bytes) << expected[index].name;
  }
}

// Throws on its n-th write (counting from 1) and keeps the bytes before.
class FailingSink final : public ByteSink {
 public:
  explicit FailingSink(int fail_at) : fail_at_(fail_at) {}
  void Write(std::string_view bytes) override {
    if (++writes_ == fail_at_) throw std::runtime_error("disk full");
    bytes_.append(bytes);
  }
  const std::string& Bytes() const { return bytes_; }

 private:
  int fail_at_;
  int writes_ = 0;
  std::string bytes_;
};

// Hex digits, spaces between them ignored.
std::string FromHex(std::string_view hex) {
  std::string bytes;
  std::string digits;
  for (char c : hex) {
    if (c == ' ') continue;
    digits += c;
    if (digits.size() == 2) {
      bytes += static_cast<char>(std::stoi(digits, nullptr, 16));
      digits.clear();
    }
  }
  return bytes;
}

bool HaveUnzip() { return std::system("command -v unzip >/dev/null 2>&1") == 0; }

TEST(StringSinkTest, CollectsAndHandsOverTheBytes) {
  StringSink sink;
  sink.Write("ab");
  sink.Write("");
  sink.Write("c");
  EXPECT_EQ(sink.Bytes(), "abc");
  EXPECT_EQ(sink.TakeBytes(), "abc");
  EXPECT_EQ(sink.Bytes(), "");
}

TEST(ZipStreamWriterTest, OneEmptyEntryGivesTheExactArchive) {
  // Raw deflate of nothing is one final fixed-Huffman block holding only the
  // end-of-block code: 03 00. The CRC-32 of nothing is 0. Fields in order,
  // little-endian; 61 is the name "a".
  const std::string expected = FromHex(
      "504b0304 1400 0000 0800 0000 2100 00000000 02000000 00000000 0100 0000 61"
      "0300"
      "504b0102 2d00 1400 0000 0800 0000 2100 00000000 02000000 00000000 0100 0000 0000 0000 0000"
      "00000000 00000000 61"
      "504b0506 0000 0000 0100 0100 2f000000 21000000 0000");
  ASSERT_EQ(expected.size(), 102U);
  EXPECT_EQ(Archive({{"a", ""}}), expected);
}

TEST(ZipStreamWriterTest, EntriesRoundTripInOrder) {
  const std::vector<ZipEntry> entries = SampleEntries();
  const std::string zip = Archive(entries);
  ExpectSameEntries(ReadZipArchive(zip), entries);

  const std::vector<Header> local = LocalHeaders(zip);
  const std::vector<Header> central = CentralHeaders(zip);
  ASSERT_EQ(local.size(), entries.size());
  ASSERT_EQ(central.size(), entries.size());
  for (std::size_t index = 0; index < entries.size(); ++index) {
    SCOPED_TRACE(entries[index].name);
    const std::uint64_t utf8 = index == 4 ? kUtf8Flag : 0;
    EXPECT_EQ(local[index].name, entries[index].name);
    EXPECT_EQ(central[index].name, entries[index].name);
    EXPECT_EQ(local[index].flags, utf8);
    EXPECT_EQ(central[index].flags, utf8);
    EXPECT_EQ(local[index].method, 8U);
    EXPECT_EQ(central[index].method, 8U);
    EXPECT_EQ(local[index].version_needed, 20U);
    EXPECT_EQ(local[index].size, entries[index].bytes.size());
  }
  // Deflated, not stored: the repeated cell shrinks to a sliver.
  EXPECT_LT(local[2].compressed_size, (1U << 20U) / 50);
}

TEST(ZipStreamWriterTest, HeadersCarryTheChecksumSizesAndFixedStamp) {
  const std::string zip = Archive({{"check.txt", "123456789"}, {"second.txt", "x"}});
  for (const std::vector<Header>& headers : {LocalHeaders(zip), CentralHeaders(zip)}) {
    ASSERT_EQ(headers.size(), 2U);
    // The well-known CRC-32 check value of "123456789".
    EXPECT_EQ(headers[0].crc32, 0xCBF43926U);
    EXPECT_EQ(headers[0].size, 9U);
    for (const Header& header : headers) {
      EXPECT_EQ(header.date, kJanuary1980);
      EXPECT_EQ(header.time, 0U);
    }
  }
}

TEST(ZipStreamWriterTest, SameEntriesGiveTheSameBytes) {
  const std::vector<ZipEntry> entries = SampleEntries();
  const std::string first = Archive(entries);
  FailingSink sink(0);  // never fails: a second, different sink
  ZipStreamWriter writer(sink);
  for (const ZipEntry& entry : entries) writer.Add(entry.name, entry.bytes);
  writer.Finish();
  EXPECT_TRUE(first == sink.Bytes());
  EXPECT_TRUE(first == Archive(entries));
}

TEST(ZipStreamWriterTest, EntriesBeyondTheQueueBoundRoundTrip) {
  // More than the 16 MiB that may wait, as several entries and as one.
  std::vector<ZipEntry> entries;
  for (int index = 0; index < 3; ++index) {
    entries.push_back(
        {"part" + std::to_string(index), std::string(std::size_t{8} << 20U, static_cast<char>('a' + index))});
  }
  entries.push_back({"big", RandomBytes(std::size_t{20} << 20U)});
  ExpectSameEntries(ReadZipArchive(Archive(entries)), entries);
}

TEST(ZipStreamWriterTest, RejectsBadNamesAndUseAfterFinish) {
  StringSink sink;
  ZipStreamWriter writer(sink);
  writer.Add("a.xml", "<a/>");
  EXPECT_THROW(writer.Add("", "x"), std::invalid_argument);
  EXPECT_THROW(writer.Add("a.xml", "<b/>"), std::invalid_argument);
  EXPECT_THROW(writer.Add(std::string(0x10000, 'n'), "x"), std::invalid_argument);
  const std::string longest(0xFFFF, 'n');
  writer.Add(longest, "x");
  writer.Finish();
  EXPECT_THROW(writer.Add("b.xml", "<b/>"), std::logic_error);
  EXPECT_THROW(writer.Finish(), std::logic_error);
  // The rejected entries left no trace.
  ExpectSameEntries(ReadZipArchive(sink.Bytes()), {{"a.xml", "<a/>"}, {longest, "x"}});
}

// The first entry, given last, leads the archive; the others follow from
// the spool in the order added, and the whole is the archive that adding
// them in that order gives.
TEST(ZipStreamWriterTest, AFirstEntryGivenAtTheEndLeadsTheArchive) {
  const std::vector<ZipEntry> entries = SampleEntries();
  StringSink sink;
  SpoolSink spool;
  ZipStreamWriter writer(sink, spool);
  for (std::size_t index = 1; index < entries.size(); ++index)
    writer.Add(entries[index].name, entries[index].bytes);
  EXPECT_TRUE(sink.Bytes().empty());  // all waits in the spool
  EXPECT_THROW(writer.FinishWithFirst("empty.bin", "dup"), std::invalid_argument);
  writer.FinishWithFirst(entries[0].name, entries[0].bytes);
  EXPECT_EQ(sink.Bytes(), Archive(entries));
  ExpectSameEntries(ReadZipArchive(sink.Bytes()), entries);
}

TEST(ZipStreamWriterTest, EachWayOfFinishingBelongsToItsWriter) {
  StringSink sink;
  ZipStreamWriter plain(sink);
  EXPECT_THROW(plain.FinishWithFirst("a.xml", "<a/>"), std::logic_error);
  plain.Finish();
  SpoolSink spool;
  StringSink spooled_sink;
  ZipStreamWriter spooled(spooled_sink, spool);
  EXPECT_THROW(spooled.Finish(), std::logic_error);
  spooled.FinishWithFirst("a.xml", "<a/>");
  ExpectSameEntries(ReadZipArchive(spooled_sink.Bytes()), {{"a.xml", "<a/>"}});
}

TEST(ZipStreamWriterTest, ASinkFailureReachesTheCaller) {
  // Three entries take ten writes: a header and the data for each, one
  // central header each, and the end record.
  const std::vector<ZipEntry> entries = {{"a", "one"}, {"b", ""}, {"c", std::string(5000, 'c')}};
  for (int fail_at = 1; fail_at <= 10; ++fail_at) {
    SCOPED_TRACE(fail_at);
    FailingSink sink(fail_at);
    ZipStreamWriter writer(sink);
    bool in_finish = false;
    try {
      for (const ZipEntry& entry : entries) writer.Add(entry.name, entry.bytes);
      in_finish = true;
      writer.Finish();
      ADD_FAILURE() << "no error reported";
    } catch (const std::runtime_error& error) {
      EXPECT_STREQ(error.what(), "disk full");
    }
    // The central directory is written by Finish itself.
    EXPECT_TRUE(in_finish || fail_at <= 6);
  }
  FailingSink sink(11);
  ZipStreamWriter writer(sink);
  for (const ZipEntry& entry : entries) writer.Add(entry.name, entry.bytes);
  writer.Finish();
  ExpectSameEntries(ReadZipArchive(sink.Bytes()), entries);
}

TEST(ZipStreamWriterTest, AFailureWakesAnAddWaitingForRoom) {
  FailingSink sink(1);
  ZipStreamWriter writer(sink);
  // The first entry fails; at most 16 more fit the queue before Add must
  // wait, and only the failure can end that wait.
  int added = 0;
  try {
    for (; added < 40; ++added) writer.Add("part" + std::to_string(added), std::string(1U << 20U, 'x'));
  } catch (const std::runtime_error& error) {
    EXPECT_STREQ(error.what(), "disk full");
  }
  EXPECT_LE(added, 16);
  EXPECT_THROW(writer.Add("late", "x"), std::runtime_error);
  EXPECT_THROW(writer.Finish(), std::runtime_error);
  EXPECT_THROW(writer.Finish(), std::logic_error);
  EXPECT_EQ(sink.Bytes(), "");
}

TEST(ZipStreamWriterTest, AnUnfinishedArchiveIsAbandoned) {
  const std::vector<ZipEntry> entries = SampleEntries();
  const std::string finished = Archive(entries);
  StringSink sink;
  {
    ZipStreamWriter writer(sink);
    for (const ZipEntry& entry : entries) writer.Add(entry.name, entry.bytes);
  }
  // Whole entries only, as far as the worker got, and no directory.
  std::size_t end = 0;
  LocalHeaders(sink.Bytes(), &end);
  EXPECT_EQ(end, sink.Bytes().size());
  EXPECT_EQ(finished.substr(0, sink.Bytes().size()), sink.Bytes());
  EXPECT_LT(sink.Bytes().size(), finished.size());

  // A failure not yet reported stays unreported: the destructor does not throw.
  FailingSink failing(1);
  {
    ZipStreamWriter writer(failing);
    writer.Add("a", "x");
  }
  EXPECT_EQ(failing.Bytes(), "");
}

TEST(ZipRecordsTest, CentralHeaderMovesLargeValuesToTheZip64Field) {
  ZipEntryRecord entry{"n", 0x12345678, 5, 10, kFourGiB};
  std::string header = ZipCentralHeader(entry);
  ASSERT_EQ(header.size(), 46U + 1 + 12);
  EXPECT_EQ(U16(header, 4), 45U);  // made by
  EXPECT_EQ(U16(header, 6), 45U);  // needed
  EXPECT_EQ(U32(header, 16), 0x12345678U);
  EXPECT_EQ(U32(header, 20), 5U);
  EXPECT_EQ(U32(header, 24), 10U);
  EXPECT_EQ(U16(header, 30), 12U);
  EXPECT_EQ(U32(header, 42), 0xFFFFFFFFU);
  EXPECT_EQ(header.substr(47), FromHex("0100 0800 00000000 01000000"));

  // All three, in the order size, compressed size, offset.
  entry = {"n", 0, kFourGiB + 0x10, kFourGiB + 1, 2 * kFourGiB};
  header = ZipCentralHeader(entry);
  ASSERT_EQ(header.size(), 46U + 1 + 28);
  EXPECT_EQ(U32(header, 20), 0xFFFFFFFFU);
  EXPECT_EQ(U32(header, 24), 0xFFFFFFFFU);
  EXPECT_EQ(U32(header, 42), 0xFFFFFFFFU);
  EXPECT_EQ(U16(header, 47), 1U);
  EXPECT_EQ(U16(header, 49), 24U);
  EXPECT_EQ(U64(header, 51), kFourGiB + 1);
  EXPECT_EQ(U64(header, 59), kFourGiB + 0x10);
  EXPECT_EQ(U64(header, 67), 2 * kFourGiB);

  // 0xFFFFFFFF itself is the marker, so it already needs the zip64 field.
  entry = {"n", 0, 1, 0xFFFFFFFF, 0};
  header = ZipCentralHeader(entry);
  ASSERT_EQ(header.size(), 46U + 1 + 12);
  EXPECT_EQ(U32(header, 24), 0xFFFFFFFFU);
  EXPECT_EQ(U64(header, 51), 0xFFFFFFFFU);

  entry = {"n", 0, 0xFFFFFFFE, 0xFFFFFFFE, 0xFFFFFFFE};
  header = ZipCentralHeader(entry);
  ASSERT_EQ(header.size(), 46U + 1);
  EXPECT_EQ(U16(header, 6), 20U);
  EXPECT_EQ(U32(header, 24), 0xFFFFFFFEU);
  EXPECT_EQ(U32(header, 42), 0xFFFFFFFEU);
}

TEST(ZipRecordsTest, LocalHeaderHoldsBothSizesWhenEitherIsLarge) {
  ZipEntryRecord entry{"n", 0, 7, kFourGiB, 0};
  std::string header = ZipLocalHeader(entry);
  ASSERT_EQ(header.size(), 30U + 1 + 20);
  EXPECT_EQ(U16(header, 4), 45U);
  EXPECT_EQ(U32(header, 18), 0xFFFFFFFFU);
  EXPECT_EQ(U32(header, 22), 0xFFFFFFFFU);
  EXPECT_EQ(U16(header, 28), 20U);
  EXPECT_EQ(U16(header, 31), 1U);
  EXPECT_EQ(U16(header, 33), 16U);
  EXPECT_EQ(U64(header, 35), kFourGiB);
  EXPECT_EQ(U64(header, 43), 7U);

  // The offset is no business of the local header.
  entry = {"n", 0, 7, 9, 3 * kFourGiB};
  header = ZipLocalHeader(entry);
  ASSERT_EQ(header.size(), 30U + 1);
  EXPECT_EQ(U16(header, 4), 20U);
  EXPECT_EQ(U32(header, 18), 7U);
  EXPECT_EQ(U32(header, 22), 9U);
}

TEST(ZipRecordsTest, EndRecordsTurnZip64PastTheClassicLimits) {
  std::string end = ZipEndRecords(65534, 1000, 200);
  ASSERT_EQ(end.size(), 22U);
  EXPECT_EQ(U32(end, 0), 0x06054b50U);
  EXPECT_EQ(U16(end, 8), 65534U);
  EXPECT_EQ(U16(end, 10), 65534U);
  EXPECT_EQ(U32(end, 12), 200U);
  EXPECT_EQ(U32(end, 16), 1000U);

  end = ZipEndRecords(65535, 1000, 200);
  ASSERT_EQ(end.size(), 56U + 20 + 22);
  EXPECT_EQ(U32(end, 0), 0x06064b50U);
  EXPECT_EQ(U64(end, 4), 44U);
  EXPECT_EQ(U64(end, 24), 65535U);
  EXPECT_EQ(U64(end, 32), 65535U);
  EXPECT_EQ(U32(end, 56), 0x07064b50U);
  EXPECT_EQ(U64(end, 64), 1200U);
  EXPECT_EQ(U16(end, 76 + 8), 0xFFFFU);
  EXPECT_EQ(U32(end, 76 + 12), 200U);

  end = ZipEndRecords(3, kFourGiB, 200);
  ASSERT_EQ(end.size(), 98U);
  EXPECT_EQ(U64(end, 40), 200U);
  EXPECT_EQ(U64(end, 48), kFourGiB);
  EXPECT_EQ(U64(end, 64), kFourGiB + 200);
  EXPECT_EQ(U16(end, 76 + 10), 3U);
  EXPECT_EQ(U32(end, 76 + 16), 0xFFFFFFFFU);
}

std::string TinyEntryName(int index) {
  std::string digits = std::to_string(index);
  return "p/" + std::string(5 - digits.size(), '0') + digits + ".xml";
}

TEST(ZipStreamWriterTest, SeventyThousandEntriesGetZip64EndRecords) {
  constexpr int kCount = 70000;
  StringSink sink;
  ZipStreamWriter writer(sink);
  for (int index = 0; index < kCount; ++index) writer.Add(TinyEntryName(index), std::to_string(index));
  writer.Finish();
  const std::string& zip = sink.Bytes();

  const std::size_t end = zip.size() - 22;
  const std::size_t locator = end - 20;
  const std::size_t record = locator - 56;
  EXPECT_EQ(U32(zip, end), 0x06054b50U);
  EXPECT_EQ(U16(zip, end + 8), 0xFFFFU);
  EXPECT_EQ(U16(zip, end + 10), 0xFFFFU);
  EXPECT_EQ(U32(zip, locator), 0x07064b50U);
  EXPECT_EQ(U64(zip, locator + 8), record);
  EXPECT_EQ(U32(zip, locator + 16), 1U);
  EXPECT_EQ(U32(zip, record), 0x06064b50U);
  EXPECT_EQ(U64(zip, record + 32), static_cast<std::uint64_t>(kCount));
  // Each central header: 46 bytes and an 11-byte name.
  const std::uint64_t directory_size = U64(zip, record + 40);
  const std::uint64_t directory_offset = U64(zip, record + 48);
  EXPECT_EQ(directory_size, 57U * kCount);
  EXPECT_EQ(directory_offset + directory_size, record);
  EXPECT_EQ(U32(zip, directory_offset), 0x02014b50U);
  EXPECT_EQ(U32(zip, end + 12), directory_size);
  EXPECT_EQ(U32(zip, end + 16), directory_offset);

  ZipReadLimits limits;
  limits.max_entries = kCount;
  const std::vector<ZipEntry> entries = ReadZipArchive(zip, limits);
  ASSERT_EQ(entries.size(), static_cast<std::size_t>(kCount));
  for (int index = 0; index < kCount; ++index) {
    const ZipEntry& entry = entries[static_cast<std::size_t>(index)];
    if (entry.name != TinyEntryName(index) || entry.bytes != std::to_string(index)) {
      ADD_FAILURE() << "entry " << index << " is " << entry.name;
      break;
    }
  }

  if (!HaveUnzip()) GTEST_SKIP() << "unzip is not installed";
  const tabulo::testing::TempFolder folder;
  const std::string path = folder.File("many.zip");
  std::ofstream(path, std::ios::binary) << zip;
  EXPECT_EQ(std::system(("unzip -tqq '" + path + "'").c_str()), 0);
}

TEST(ZipStreamWriterTest, UnzipAcceptsTheArchive) {
  if (!HaveUnzip()) GTEST_SKIP() << "unzip is not installed";
  const tabulo::testing::TempFolder folder;
  const std::string path = folder.File("sample.zip");
  std::ofstream(path, std::ios::binary) << Archive(SampleEntries());
  EXPECT_EQ(std::system(("unzip -tqq '" + path + "'").c_str()), 0);
}

}  // namespace
}  // namespace tabulo::office
