#include <gtest/gtest.h>

#include "layout_fixture.h"
#include "tables_xml.h"

namespace tabulo::tables {
namespace {

using testing::Headings;
using testing::OneTable;
using testing::Repeat;
using testing::RootAxis;
using testing::Variable;

// Age (18-24 labelled "Young", 25+ unlabelled) with Gender (Male, Female
// labelled "Women") nested under each; one Profile element on Age.
std::string LabelledTable() {
  std::string age_elements =
      R"(<Element Name="18-24" Label="Young"/><Element Name="25+"/><Element Name="p" Label="" Type="Profile"/>)";
  std::string gender_elements =
      R"(<Element Name="Male" Label="Male"/><Element Name="Female" Label="Women"/>)";
  return OneTable(
      "", "<Axes>" +
              RootAxis("Side",
                       Variable("Age", age_elements, Headings({"18-24", "25+", "p"}),
                                "<Axis Name=\"Gender\" Label=\"Sex\"><Elements>" + gender_elements +
                                    "</Elements><ElementHeadings>" + Repeat(Headings({"Male", "Female"}), 3) +
                                    "</ElementHeadings></Axis>",
                                Repeat(Headings({"Gender"}), 3)),
                       Headings({"Age"})) +
              "</Axes>");
}

class TablesHeadingTextsTest : public testing::LayoutTest {
 protected:
  void SetUp() override {
    table_ = &Prepare(LabelledTable());
    age_heading_ = &(*table_->SideAxis()->AxisHeadings())[0];
    const CAxis& age = *age_heading_->Variable();
    young_ = &(*age.ElementHeadings())[0];
    older_ = &(*age.ElementHeadings())[1];
    profile_ = &(*age.ElementHeadings())[2];
    gender_heading_ = &(*age.AxisHeadings())[0];
    female_ = &(*age.SubAxes()->Find("Gender").ElementHeadings())[1];
  }

  CTable* table_ = nullptr;
  const CAxisHeading* age_heading_ = nullptr;
  const CAxisHeading* gender_heading_ = nullptr;
  const CElementHeading* young_ = nullptr;
  const CElementHeading* older_ = nullptr;
  const CElementHeading* profile_ = nullptr;
  const CElementHeading* female_ = nullptr;
};

TEST_F(TablesHeadingTextsTest, DisplayTextsFollowTheLabelSettings) {
  EXPECT_EQ(age_heading_->GetDisplayText(), "Age");  // empty label: the name
  EXPECT_EQ(gender_heading_->GetDisplayText(), "Sex");
  EXPECT_EQ(young_->GetDisplayText(), "Young");
  EXPECT_EQ(older_->GetDisplayText(), "");  // an empty element label stays empty
  EXPECT_EQ(profile_->GetDisplayText(), "");

  context_.use_variable_labels = false;
  EXPECT_EQ(gender_heading_->GetDisplayText(), "Gender");
  EXPECT_EQ(young_->GetDisplayText(), "Young");
  EXPECT_EQ(profile_->GetDisplayText(), "p");  // profile elements follow the variable setting

  context_.use_element_labels = false;
  EXPECT_EQ(young_->GetDisplayText(), "18-24");
  EXPECT_EQ(older_->GetDisplayText(), "25+");
  context_.use_variable_labels = true;
  EXPECT_EQ(profile_->GetDisplayText(), "");
}

TEST_F(TablesHeadingTextsTest, PathsRunThroughTheParents) {
  EXPECT_EQ(female_->GetNamePath(), "Age: 18-24, Gender: Female");
  EXPECT_EQ(female_->GetLabelPath(), ": Young, Sex: Women");
  EXPECT_EQ(female_->GetDisplayPath(), "Age: Young, Sex: Women");
  EXPECT_EQ(age_heading_->GetNamePath(), "Age");
  EXPECT_EQ(gender_heading_->GetNamePath(), "Age: 18-24, Gender");

  context_.use_variable_labels = false;
  context_.use_element_labels = false;
  EXPECT_EQ(female_->GetDisplayPath(), female_->GetNamePath());
}

TEST_F(TablesHeadingTextsTest, ContextTextIsTheParentsDisplayPath) {
  EXPECT_EQ(age_heading_->ContextText(), "");
  EXPECT_EQ(gender_heading_->ContextText(), "Age: Young");
  const CAxisHeading& under_older = *older_->Children()[0];
  EXPECT_EQ(under_older.ContextText(), "Age: ");
}

TEST_F(TablesHeadingTextsTest, LabelsShownFlagsAndKinds) {
  EXPECT_EQ(gender_heading_->GetLabel(), "Sex");
  EXPECT_EQ(female_->GetLabel(), "Women");
  EXPECT_EQ(female_->GetName(), "Female");
  EXPECT_TRUE(gender_heading_->IsShown());
  EXPECT_TRUE(female_->IsShown());
  const CHeading& as_heading = *female_;
  EXPECT_EQ(as_heading.AsElementHeading(), female_);
  EXPECT_EQ(as_heading.AsAxisHeading(), nullptr);
  EXPECT_EQ(static_cast<const CHeading&>(*gender_heading_).AsAxisHeading(), gender_heading_);
}

}  // namespace
}  // namespace tabulo::tables
