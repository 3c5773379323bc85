#include "office/package/package.h"

#include <gtest/gtest.h>

#include "office/package/content_types.h"
#include "office/package/document_properties.h"
#include "office/package/relationships.h"
#include "office/package/zip_archive_reader.h"
#include "office_test_support.h"

namespace tabulo::office {
namespace {

using office::testing::WithoutDeclaration;

constexpr std::string_view kSheetType =
    "application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml";

TEST(ContentTypesTest, DefaultsAndOverrides) {
  ContentTypes types;
  types.SetDefault("PNG", "image/png");
  types.SetPartType("xl/worksheets/sheet1.xml", kSheetType);
  types.SetPartType("xl/media/image1.png", "image/png");  // the default says it already
  EXPECT_EQ(
      WithoutDeclaration(types.Xml()),
      "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
      "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
      "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
      "<Default Extension=\"png\" ContentType=\"image/png\"/>"
      "<Override PartName=\"/xl/worksheets/sheet1.xml\" ContentType=\"" +
          std::string(kSheetType) + "\"/></Types>");
  EXPECT_EQ(types.TypeOf("xl/worksheets/sheet1.xml"), kSheetType);
  EXPECT_EQ(types.TypeOf("xl/media/IMAGE2.PNG"), "image/png");
  EXPECT_EQ(types.TypeOf("xl/other.xml"), "application/xml");
  EXPECT_EQ(types.TypeOf("xl/vbaProject.bin"), "");
}

TEST(ContentTypesTest, ALaterTypeReplacesTheEarlier) {
  ContentTypes types;
  types.SetPartType("a.xml", "type/one");
  types.SetPartType("a.xml", "type/two");
  EXPECT_EQ(types.TypeOf("a.xml"), "type/two");
  types.SetPartType("a.xml", "application/xml");  // back to what the default says
  EXPECT_EQ(types.Xml().find("Override"), std::string::npos);
}

TEST(RelationshipsTest, IdsCountUpInOrder) {
  Relationships relationships;
  EXPECT_TRUE(relationships.Empty());
  EXPECT_EQ(relationships.Add("t/one", "a.xml"), "rId1");
  EXPECT_EQ(relationships.Add("t/two", "http://example.com/x?a=1&b=2", true), "rId2");
  EXPECT_EQ(WithoutDeclaration(relationships.Xml()),
            "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
            "<Relationship Id=\"rId1\" Type=\"t/one\" Target=\"a.xml\"/>"
            "<Relationship Id=\"rId2\" Type=\"t/two\" Target=\"http://example.com/x?a=1&amp;b=2\" "
            "TargetMode=\"External\"/></Relationships>");
}

TEST(RelationshipsTest, PartNamesAndRelativeTargets) {
  EXPECT_EQ(RelationshipsPartName(""), "_rels/.rels");
  EXPECT_EQ(RelationshipsPartName("xl/workbook.xml"), "xl/_rels/workbook.xml.rels");
  EXPECT_EQ(RelationshipsPartName("xl/worksheets/sheet2.xml"), "xl/worksheets/_rels/sheet2.xml.rels");
  EXPECT_EQ(RelativePartTarget("", "xl/workbook.xml"), "xl/workbook.xml");
  EXPECT_EQ(RelativePartTarget("xl/workbook.xml", "xl/worksheets/sheet1.xml"), "worksheets/sheet1.xml");
  EXPECT_EQ(RelativePartTarget("xl/worksheets/sheet1.xml", "xl/drawings/drawing1.xml"),
            "../drawings/drawing1.xml");
  EXPECT_EQ(RelativePartTarget("xl/drawings/drawing1.xml", "xl/charts/chart1.xml"), "../charts/chart1.xml");
  EXPECT_EQ(RelativePartTarget("word/document.xml", "docProps/core.xml"), "../docProps/core.xml");
}

TEST(DocumentPropertiesTest, CorePropertiesLeaveOutWhatIsEmpty) {
  DocumentProperties properties;
  properties.title = "Tables & charts";
  properties.creator = "tabulo";
  properties.created = "2024-05-01T10:00:00Z";
  EXPECT_EQ(WithoutDeclaration(CorePropertiesXml(properties)),
            "<cp:coreProperties "
            "xmlns:cp=\"http://schemas.openxmlformats.org/package/2006/metadata/core-properties\" "
            "xmlns:dc=\"http://purl.org/dc/elements/1.1/\" xmlns:dcterms=\"http://purl.org/dc/terms/\" "
            "xmlns:dcmitype=\"http://purl.org/dc/dcmitype/\" "
            "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\">"
            "<dc:title>Tables &amp; charts</dc:title><dc:creator>tabulo</dc:creator>"
            "<dcterms:created xsi:type=\"dcterms:W3CDTF\">2024-05-01T10:00:00Z</dcterms:created>"
            "</cp:coreProperties>");
  properties.modified = "yesterday";
  EXPECT_THROW(CorePropertiesXml(properties), std::invalid_argument);
}

TEST(DocumentPropertiesTest, W3cDateTimes) {
  for (std::string_view good :
       {"2024", "2024-05", "2024-05-01", "2024-05-01T10:00Z", "2024-05-01T10:00:59.5+02:00"}) {
    EXPECT_TRUE(IsW3cDateTime(good)) << good;
  }
  for (std::string_view bad :
       {"", "24", "2024-5-01", "2024-05-01T10:00", "2024-05-01 10:00:00Z", "2024-05-01T10:00:00.Z"}) {
    EXPECT_FALSE(IsW3cDateTime(bad)) << bad;
  }
}

TEST(DocumentPropertiesTest, AppPropertiesListTheParts) {
  DocumentProperties properties;
  EXPECT_EQ(
      WithoutDeclaration(AppPropertiesXml(properties, {{"Worksheets", {"T1", "T1_Ch"}}})),
      "<Properties xmlns=\"http://schemas.openxmlformats.org/officeDocument/2006/extended-properties\" "
      "xmlns:vt=\"http://schemas.openxmlformats.org/officeDocument/2006/docPropsVTypes\">"
      "<Application>tabulo</Application><DocSecurity>0</DocSecurity><ScaleCrop>false</ScaleCrop>"
      "<HeadingPairs><vt:vector size=\"2\" baseType=\"variant\"><vt:variant><vt:lpstr>Worksheets</vt:lpstr>"
      "</vt:variant><vt:variant><vt:i4>2</vt:i4></vt:variant></vt:vector></HeadingPairs>"
      "<TitlesOfParts><vt:vector size=\"2\" "
      "baseType=\"lpstr\"><vt:lpstr>T1</vt:lpstr><vt:lpstr>T1_Ch</vt:lpstr>"
      "</vt:vector></TitlesOfParts><LinksUpToDate>false</LinksUpToDate><SharedDoc>false</SharedDoc>"
      "<HyperlinksChanged>false</HyperlinksChanged></Properties>");
}

// A document part that relates an item part, written as a package.
std::string SmallPackage() {
  StringSink sink;
  Package package(sink);
  package.PackageRelationships().Add("t/main", "main/doc.xml");
  package.AddPart("main/doc.xml", "type/doc", "<doc/>");
  package.Relate("main/doc.xml", "t/item", "items/item1.xml");
  package.AddPart("items/item1.xml", "type/item", "<item>1</item>");
  package.Finish();
  return sink.TakeBytes();
}

std::vector<std::string> NamesOf(const std::vector<ZipEntry>& entries) {
  std::vector<std::string> names;
  for (const ZipEntry& entry : entries) names.push_back(entry.name);
  return names;
}

TEST(PackageTest, ContentTypesFirstThenPackageRelationships) {
  const std::vector<ZipEntry> entries = ReadZipArchive(SmallPackage());
  EXPECT_EQ(NamesOf(entries), (std::vector<std::string>{"[Content_Types].xml", "_rels/.rels", "main/doc.xml",
                                                        "items/item1.xml", "main/_rels/doc.xml.rels"}));
  EXPECT_NE(entries[0].bytes.find("<Override PartName=\"/items/item1.xml\" ContentType=\"type/item\"/>"),
            std::string::npos);
  EXPECT_NE(entries[4].bytes.find("Target=\"../items/item1.xml\""), std::string::npos);
}

TEST(PackageTest, RelationshipsWrittenEarlyAreClosed) {
  StringSink sink;
  Package package(sink);
  package.AddPart("main/doc.xml", "type/doc", "<doc/>");
  // The package relationships went out with the first part.
  EXPECT_THROW(package.PackageRelationships(), std::logic_error);
  package.Relate("main/doc.xml", "t/item", "items/item1.xml");
  package.WriteRelationships("main/doc.xml");
  EXPECT_THROW(package.Relate("main/doc.xml", "t/item", "items/item2.xml"), std::logic_error);
  package.WriteRelationships("items/item1.xml");  // none: nothing is written
  package.AddPart("items/item1.xml", "type/item", "<item>1</item>");
  package.Finish();
  EXPECT_EQ(NamesOf(ReadZipArchive(sink.Bytes())),
            (std::vector<std::string>{"[Content_Types].xml", "main/doc.xml", "main/_rels/doc.xml.rels",
                                      "items/item1.xml"}));
}

TEST(PackageTest, RefusesBadAndDuplicatePartNames) {
  StringSink sink;
  Package package(sink);
  package.AddPart("a/b.xml", "t", "");
  EXPECT_THROW(package.AddPart("a/b.xml", "t", ""), std::invalid_argument);
  for (std::string_view bad :
       {"", "/a.xml", "a//b.xml", "a/../b.xml", "a\\b.xml", "a/", "[Content_Types].xml"}) {
    EXPECT_THROW(package.AddPart(bad, "t", ""), std::invalid_argument) << bad;
  }
  EXPECT_TRUE(package.HasPart("a/b.xml"));
  EXPECT_FALSE(package.HasPart("c.xml"));
}

TEST(PackageTest, FreePartNamesCountOnAndSkipNamesInUse) {
  StringSink sink;
  Package package(sink);
  package.AddPart("xl/charts/chart2.xml", "t", "taken");
  EXPECT_EQ(package.FreePartName("xl/charts/chart", ".xml"), "xl/charts/chart1.xml");
  EXPECT_EQ(package.FreePartName("xl/charts/chart", ".xml"), "xl/charts/chart3.xml");
  EXPECT_EQ(package.FreePartName("xl/charts/chart", ".bin"), "xl/charts/chart1.bin");
  EXPECT_EQ(package.FreePartName("xl/drawings/drawing", ".xml"), "xl/drawings/drawing1.xml");
}

TEST(PackageTest, ZipIsDeterministicAndDeflated) {
  const std::string first = SmallPackage();
  EXPECT_EQ(first, SmallPackage());
  // Local file header: signature, version, flags, method 8 (deflate), time 0, date 0x0021 (1 January 1980).
  ASSERT_GT(first.size(), 14U);
  EXPECT_EQ(first.substr(0, 4), std::string("PK\x03\x04", 4));
  EXPECT_EQ(static_cast<unsigned char>(first[8]), 8);
  EXPECT_EQ(first.substr(10, 4), std::string("\x00\x00\x21\x00", 4));
}

TEST(ZipArchiveTest, ReaderRefusesDamageAndExcess) {
  const std::string bytes =
      office::testing::ZipOf({{"big.txt", std::string(100000, 'x')}, {"small.txt", "abc"}});
  EXPECT_THROW(ReadZipArchive("not a zip"), std::runtime_error);
  EXPECT_THROW(ReadZipArchive(bytes.substr(0, bytes.size() / 2)), std::runtime_error);
  ZipReadLimits limits;
  limits.max_entry_size = 99999;
  EXPECT_THROW(ReadZipArchive(bytes, limits), std::runtime_error);
  limits = {};
  limits.max_entries = 1;
  EXPECT_THROW(ReadZipArchive(bytes, limits), std::runtime_error);
  // Flip a byte of the first entry's compressed data: its checksum no longer holds.
  std::string damaged = bytes;
  damaged[30 + 7 + 10] = static_cast<char>(damaged[30 + 7 + 10] ^ 0x55);
  EXPECT_THROW(ReadZipArchive(damaged), std::runtime_error);
}

}  // namespace
}  // namespace tabulo::office
