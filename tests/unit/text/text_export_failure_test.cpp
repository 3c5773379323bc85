// How the export ends when its input or its destination is at fault.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "text/tables_xml_builder.h"
#include "text/text_export_support.h"

namespace tabulo::text::testing {
namespace {

using tabulo::testing::ReadFile;
using tabulo::testing::TempFolder;
using tabulo::testing::WriteFile;

class TextExportFailureTest : public ::testing::Test {
 protected:
  // The description of the ScriptError that the export raises, or "" when it succeeds.
  std::string Failure(std::string_view tables_xml, const std::string& destination,
                      const std::map<std::string, std::pair<int, std::string>>& changes = {}) {
    try {
      Export(tables_xml, PropertiesXml(destination, changes), ExportServices{launcher_, {}});
    } catch (const ScriptError& error) {
      EXPECT_EQ(error.Number(), platform::VB_OBJECT_ERROR);
      EXPECT_EQ(error.Description(), error.Source() + ": " + error.Message());
      return error.Description();
    }
    return "";
  }
  std::string Failure(std::string_view tables_xml) { return Failure(tables_xml, folder_.File("out.txt")); }

  TempFolder folder_;
  RecordingLauncher launcher_;
};

TEST_F(TextExportFailureTest, MissingSubAxesElementsAndHeadingsNameWhatIsMissing) {
  EXPECT_EQ(Failure(Doc(Table("", Root("Top", Gender(), Hd("Nope"))))),
            "CTable::PopulateAxes: Failed to find sub axis : Nope");
  EXPECT_EQ(Failure(Doc(Table("", Root("Side", Gender(), Hd("Nope"))))),
            "CTable::PopulateFlatAxis: Failed to find sub axis : Nope");
  std::string nesting = Var("G", "G", El("M", "M"), Hd("M"), Age(), Hd("Lost"));
  EXPECT_EQ(Failure(Doc(Table("", Root("Top", nesting, Hd("G"))))),
            "CTable::PopulateAxisTraverse: Failed to find sub axis : Lost");
  EXPECT_EQ(Failure(Doc(Table("", Root("Side", nesting, Hd("G"))))),
            "CTable::PopulateFlatAxisTraverse: Failed to find sub axis : Lost");
  std::string wrong_heading = Var("G", "G", El("M", "M"), Hd("X"));
  EXPECT_EQ(Failure(Doc(Table("", Root("Top", wrong_heading, Hd("G"))))),
            "CTable::GetElementFromHeading: Failed to find element : X");
  std::string too_few_headings = Var("G", "G", El("M", "M") + El("F", "F"), Hd("M"));
  EXPECT_EQ(Failure(Doc(Table("", Root("Side", too_few_headings, Hd("G"))))),
            "CTable::GetElementFromHeading: Failed to find element : ");
}

TEST_F(TextExportFailureTest, MissingValuesNameTheAttributeAndTheRow) {
  std::string axes = Root("Top", Gender(), Hd("Gender")) + Root("Side", Age(), Hd("Age"));
  EXPECT_EQ(Failure(Doc(Table("IsPopulated=\"true\"", axes,
                              CellItems(1) + Rows("<row c1=\"1\" c2=\"2\"/><row c1=\"3\"/>")))),
            "CTable::PopulateCellValues: The value attribute c2 is missing from value row 2");
  EXPECT_EQ(
      Failure(Doc(Table("IsPopulated=\"true\"", axes, CellItems(1) + Rows("<row c1=\"1\" c2=\"2\"/>")))),
      "CTable::PopulateCellValues: The table has no value row 2 (it has 1)");
}

TEST_F(TextExportFailureTest, UnparsableDocumentFailsAndLeavesTheOldFile) {
  std::string destination = folder_.File("out.txt");
  WriteFile(destination, "old");
  std::string table = Table("", Root("Side", Age(), Hd("Age")));
  std::string failure = Failure("<Document><Tables>" + table + table + "<Table></Tables></Document>");
  EXPECT_EQ(failure.rfind("CDocument::RenderDocument: The Tables XML could not be parsed: ", 0), 0u)
      << failure;
  EXPECT_NE(failure.find("mismatch"), std::string::npos) << failure;
  EXPECT_EQ(ReadFile(destination), "old");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_.path()), {}), 1);
}

TEST_F(TextExportFailureTest, PathologicalDocumentsFailQuickly) {
  std::string deep;
  for (int i = 0; i < 10000; ++i) deep += "<a>";
  EXPECT_NE(Failure("<Document><Tables><Table>" + deep).find("The Tables XML could not be parsed: "),
            std::string::npos);

  std::string bomb =
      "<?xml version=\"1.0\"?><!DOCTYPE Document [<!ENTITY a0 \"xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx\">";
  for (int i = 1; i < 30; ++i) {
    std::string previous = "&a" + std::to_string(i - 1) + ";";
    bomb += "<!ENTITY a" + std::to_string(i) + " \"" + previous + previous + previous + previous + "\">";
  }
  bomb += "]><Document Description=\"&a29;\"><Tables/></Document>";
  auto start = std::chrono::steady_clock::now();
  EXPECT_NE(Failure(bomb).find("The Tables XML could not be parsed: "), std::string::npos);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(30));
  EXPECT_FALSE(std::filesystem::exists(folder_.File("out.txt")));
}

TEST_F(TextExportFailureTest, AxesThatExpandBeyondTheDocumentFail) {
  // Each level names the same sub-axis twice, doubling the traversal per
  // level; the last level has no elements, so no leaf ever limits it.
  std::string axis = "<Axis Name=\"L40\"/>";
  for (int level = 39; level >= 0; --level) {
    std::string name = "L" + std::to_string(level + 1);
    axis = "<Axis Name=\"L" + std::to_string(level) + "\"><Elements>" + El("e", "e") +
           "</Elements><ElementHeadings>" + Hd("e") + "</ElementHeadings><SubAxes>" + axis +
           "<Axis Name=\"spare\"/></SubAxes><AxisHeadings>" + Hd(name) + Hd(name) + "</AxisHeadings></Axis>";
  }
  std::string failure = Failure(Doc(Table("", Root("Top", axis, Hd("L0")))));
  EXPECT_EQ(failure, "CTable::PopulateAxes: The axes of the table expand to too many headings to export");
}

TEST_F(TextExportFailureTest, UnwritableDestinationNamesTheFileAndTheReason) {
  std::string destination = folder_.File("missing/out.txt");
  EXPECT_EQ(Failure(Doc(""), destination), "CFileOps::OutputFile: The file '" + destination +
                                               "' could not be saved: No such file or directory");
  EXPECT_EQ(Failure(Doc(""), ""),
            "CFileOps::OutputFile: The file '' could not be saved: no destination file name is given");
}

TEST_F(TextExportFailureTest, RenderingFailuresComeBeforeSaveFailures) {
  EXPECT_EQ(Failure(Doc(Table("", Root("Top", Gender(), Hd("Nope")))), folder_.File("missing/out.txt")),
            "CTable::PopulateAxes: Failed to find sub axis : Nope");
}

TEST_F(TextExportFailureTest, ExistingFileIsKeptWithoutOverwriteOutput) {
  std::string destination = folder_.File("out.txt");
  WriteFile(destination, "old");
  std::string failure = Failure(Doc(""), destination, {{"OverwriteOutput", {11, "0"}}});
  EXPECT_EQ(failure, "CFileOps::OutputFile: The file '" + destination + "' could not be saved: File exists");
  EXPECT_EQ(ReadFile(destination), "old");
  EXPECT_EQ(Failure(Doc(""), destination), "");
  EXPECT_NE(ReadFile(destination), "old");
}

TEST_F(TextExportFailureTest, BadPropertiesEndTheExport) {
  std::string destination = folder_.File("out.txt");
  try {
    Export(Doc(""), "<properties>", ExportServices{launcher_, {}});
    FAIL() << "no error";
  } catch (const ScriptError& error) {
    EXPECT_EQ(error.Source(), "CTextProperties::SetPropertiesXML");
  }
  EXPECT_EQ(Failure(Doc(""), destination, {{"FieldDelimiter", {3, "65536"}}}),
            "CTextProperties::GetPropValue: The value '65536' of the property FieldDelimiter is not valid");
  EXPECT_EQ(
      Failure(Doc(""), destination, {{"LaunchApplication", {11, "maybe"}}}),
      "CTextProperties::GetPropValue: The value 'maybe' of the property LaunchApplication is not valid");
  std::string without_destination = PropertiesXml(destination);
  without_destination.erase(without_destination.find("<property><name>Destination"),
                            without_destination.find("<property><name>DisplayAnnotations") -
                                without_destination.find("<property><name>Destination"));
  try {
    Export(Doc(""), without_destination, ExportServices{launcher_, {}});
    FAIL() << "no error";
  } catch (const ScriptError& error) {
    EXPECT_EQ(error.Description(), "CTextProperties::GetPropValue: The property Destination is missing");
  }
}

}  // namespace
}  // namespace tabulo::text::testing
