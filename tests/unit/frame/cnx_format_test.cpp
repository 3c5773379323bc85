#include "frame/cnx_format.h"

#include <gtest/gtest.h>

#include "frame/report_error.h"
#include "platform/error_info.h"

namespace tabulo::frame {
namespace {

const ComponentInfo& Text() { return Component(ComponentKind::kTextline); }

TEST(CNXFormatTest, FormatsAMessageWithItsInserts) {
  CNXFormat format(Text());
  format.Format(2003, "/p/value", "text");
  EXPECT_EQ(format.GetText(), "Error setting node /p/value with text");
  EXPECT_EQ(format.Result(), platform::E_FAIL);
}

TEST(CNXFormatTest, UnknownIdGivesTheFallbackWithLowerCaseHex) {
  CNXFormat format(Text());
  format.Format(2000);
  EXPECT_EQ(format.GetText(), "Unable to format message, ID: 0x000007d0");
}

TEST(CNXFormatTest, MessageWithTooFewInsertsFallsBack) {
  CNXFormat format(Text());
  format.Format(2003, "only one");
  EXPECT_EQ(format.GetText(), "Unable to format message, ID: 0x000007d3");
}

TEST(CNXFormatTest, AppendsTheComErrorTextAfterAColon) {
  CNXFormat with_description(Text());
  with_description.FormatComError(CNXComError(platform::DISP_E_EXCEPTION, "CTable::PopulateAxes: boom"), 2008,
                                  "insert");
  EXPECT_EQ(with_description.GetText(), "Export script failed: insert: CTable::PopulateAxes: boom");
  EXPECT_EQ(with_description.Result(), platform::DISP_E_EXCEPTION);

  platform::ClearErrorInfo();
  CNXFormat bare(Text());
  bare.FormatComError(CNXComError(platform::DISP_E_TYPEMISMATCH), 2002, "abc");
  EXPECT_EQ(bare.GetText(), "Invalid value abc: Type mismatch.");
}

TEST(CNXFormatTest, ComErrorWithoutTextBorrowsTheThreadsErrorInformation) {
  platform::SetErrorInfo({"Textline.Export.1", "earlier failure", {}});
  CNXFormat format(Text());
  format.FormatComError(CNXComError(platform::E_FAIL), 2005);
  EXPECT_EQ(format.GetText(), "Loading of xml failed: earlier failure");
  platform::ClearErrorInfo();
}

TEST(CNXFormatTest, UnknownHResultsHaveGenericTexts) {
  platform::ClearErrorInfo();
  EXPECT_EQ(ComErrorText(CNXComError(platform::MakeHResult(0x80040205))), "IDispatch error #5");
  EXPECT_EQ(ComErrorText(CNXComError(platform::MakeHResult(0x80991234))), "Unknown error 0x80991234");
}

TEST(CNXFormatTest, TextOfAFormatterThatWasNeverGivenAMessage) {
  CNXFormat failed(Text());
  EXPECT_EQ(failed.GetText(), "Unspecified error");
  CNXFormat succeeded(Text(), 0, platform::S_OK);
  EXPECT_EQ(succeeded.GetText().rfind("Unspecified error in module: /", 0), 0u);
}

TEST(CNXFormatTest, Win32CodeBecomesTheResultAndAppendsItsText) {
  CNXFormat format(Text());
  format.FormatWin32(2, 2005);
  EXPECT_EQ(format.Result(), platform::MakeHResult(0x80070002));
  EXPECT_EQ(format.GetText(), "Loading of xml failed: The system cannot find the file specified.");
}

TEST(ReportErrorTest, SourceIsTheProgIdOfTheComponent) {
  ReportError(Component(ComponentKind::kSheetline), "text");
  auto info = platform::TakeErrorInfo();
  ASSERT_TRUE(info);
  EXPECT_EQ(info->source, "Sheetline.Export.1");
  EXPECT_EQ(info->description, "text");
  EXPECT_FALSE(platform::TakeErrorInfo()) << "taking the information clears it";
}

}  // namespace
}  // namespace tabulo::frame
