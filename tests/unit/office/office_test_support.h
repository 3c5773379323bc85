#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "../../ooxml/schema_validator.h"
#include "office/package/byte_sink.h"
#include "office/package/zip_archive_reader.h"
#include "office/package/zip_stream_writer.h"
#include "office/spreadsheet/workbook.h"
#include "office/xlsx/xlsx_writer.h"

namespace tabulo::office::testing {

// tests/ooxml, beside the test data folder (which need not exist).
inline std::string OoxmlFolder() {
  return (std::filesystem::path(TABULO_TEST_DATA_DIR).parent_path() / "ooxml").string();
}

inline const tabulo::testing::OoxmlSchemaValidator& Schemas() {
  return tabulo::testing::OoxmlSchemaValidator::Get(OoxmlFolder() + "/local/ooxml-all.xsd");
}

// The schema errors of every XML part of the entries; empty when all are valid.
inline std::vector<std::string> SchemaErrors(const std::vector<ZipEntry>& entries) {
  std::vector<std::string> errors;
  for (const ZipEntry& entry : entries) {
    const std::string_view name = entry.name;
    if (!name.ends_with(".xml") && !name.ends_with(".rels")) continue;
    for (std::string& error : Schemas().Validate(name, entry.bytes)) errors.push_back(std::move(error));
  }
  return errors;
}

inline const std::string* FindEntry(const std::vector<ZipEntry>& entries, std::string_view name) {
  for (const ZipEntry& entry : entries) {
    if (entry.name == name) return &entry.bytes;
  }
  return nullptr;
}

// The entries of the .xlsx package of a workbook, as a zip reader sees them.
inline std::vector<ZipEntry> WrittenEntries(const Workbook& workbook) {
  StringSink sink;
  WriteWorkbook(workbook, sink);
  return ReadZipArchive(sink.Bytes());
}

// One part of a workbook's package; throws std::out_of_range when missing.
inline std::string WrittenPart(const Workbook& workbook, std::string_view name) {
  const std::vector<ZipEntry> entries = WrittenEntries(workbook);
  const std::string* bytes = FindEntry(entries, name);
  if (bytes == nullptr) throw std::out_of_range("no part " + std::string(name));
  return *bytes;
}

// A zip archive of the entries, in order.
inline std::string ZipOf(const std::vector<ZipEntry>& entries) {
  StringSink sink;
  ZipStreamWriter zip(sink);
  for (const ZipEntry& entry : entries) zip.Add(entry.name, entry.bytes);
  zip.Finish();
  return sink.TakeBytes();
}

// The text after the XML declaration line, which every part begins with.
inline std::string WithoutDeclaration(const std::string& xml) {
  const std::size_t end = xml.find("?>\n");
  return end == std::string::npos ? xml : xml.substr(end + 3);
}

}  // namespace tabulo::office::testing
