#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

#include "frame/frame_fakes.h"
#include "frame/html_clipboard.h"
#include "platform/clipboard.h"

namespace tabulo::frame {
namespace {

using platform::S_OK;
using platform::VarType;
using testing::MakeExport;

std::optional<std::string> TextOf(CExport& component, const char* html) {
  std::optional<std::string> text = std::string("untouched");
  EXPECT_EQ(component.GetTextFromHTML(html, &text), S_OK);
  return text;
}

TEST(OfficeCallbacksTest, TextFromHtmlDropsTagsAndDecodesReferences) {
  int runs = 0;
  auto component = MakeExport(ComponentKind::kSheetline, &runs);
  EXPECT_EQ(TextOf(*component, "Males"), "Males");
  EXPECT_EQ(TextOf(*component, "Fish &amp; chips"), "Fish & chips");
  EXPECT_EQ(TextOf(*component, "<b>Total</b> 18&#8211;24"), "Total 18\u201324");
  EXPECT_EQ(TextOf(*component, "a < b"), "a < b");
  EXPECT_EQ(TextOf(*component, "caf&eacute;"), "caf&eacute;");
  EXPECT_EQ(TextOf(*component, nullptr), std::nullopt);
  EXPECT_EQ(component->GetTextFromHTML("<b>x</b>", nullptr), S_OK);
}

TEST(OfficeCallbacksTest, LocaleNumbersFollowTheExportLocale) {
  int runs = 0;
  auto component = MakeExport(ComponentKind::kSheetline, &runs);
  std::int32_t lcid = 0;
  ASSERT_EQ(component->get_ExportLCID(&lcid), S_OK);
  EXPECT_EQ(lcid, 2048);

  platform::Variant value;
  ASSERT_EQ(component->put_ExportLCID(1033), S_OK);
  ASSERT_EQ(component->ConvertLocaleStringToDouble("12.5%", &value), S_OK);
  ASSERT_EQ(value.type(), VarType::R8);
  EXPECT_DOUBLE_EQ(value.r8(), 0.125);
  ASSERT_EQ(component->ConvertLocaleStringToDouble("1,234.5", &value), S_OK);
  EXPECT_DOUBLE_EQ(value.r8(), 1234.5);

  ASSERT_EQ(component->put_ExportLCID(1031), S_OK);
  ASSERT_EQ(component->ConvertLocaleStringToDouble("12,5", &value), S_OK);
  ASSERT_EQ(value.type(), VarType::R8);
  EXPECT_DOUBLE_EQ(value.r8(), 12.5);

  ASSERT_EQ(component->ConvertLocaleStringToDouble("n/a%", &value), S_OK);
  ASSERT_EQ(value.type(), VarType::Bstr);
  EXPECT_EQ(value.string(), "n/a%");
  ASSERT_EQ(component->ConvertLocaleStringToDouble("", &value), S_OK);
  ASSERT_EQ(value.type(), VarType::Bstr);
  EXPECT_EQ(value.string(), "");
  EXPECT_EQ(component->ConvertLocaleStringToDouble("1", nullptr), S_OK);
}

TEST(OfficeCallbacksTest, ErrorCodeStartsAtZeroForEveryExport) {
  int runs = 0;
  auto component = MakeExport(ComponentKind::kSheetline, &runs);
  component->SetErrorCode(1);
  std::int32_t code = -5;
  ASSERT_EQ(component->GetErrorCode(&code), S_OK);
  EXPECT_EQ(code, 1);
  platform::Variant result;
  component->Export("<Document/>", &result);
  ASSERT_EQ(component->GetErrorCode(&code), S_OK);
  EXPECT_EQ(code, 0);
  EXPECT_EQ(component->GetErrorCode(nullptr), platform::E_POINTER);
}

TEST(HtmlClipboardTest, RecordCarriesByteOffsetsOfItsParts) {
  EXPECT_EQ(HtmlClipboardRecord("<table></table>"),
            "Version:0.9\r\nStartHTML:00000145\r\nEndHTML:00000235\r\nStartFragment:00000159\r\n"
            "EndFragment:00000199\r\nStartSelection:00000159\r\nEndSelection:00000199\r\n"
            "<html><body>\r\n<!--StartFragment -->\r\n<table></table>\r\n"
            "<!--EndFragment-->\r\n</body>\r\n</html>");
}

TEST(HtmlClipboardTest, FragmentQuotingTheEndCommentKeepsTheOffsetsRight) {
  std::string record = HtmlClipboardRecord("<!--EndFragment-->");
  EXPECT_NE(record.find("EndFragment:00000202\r\n"), std::string::npos) << record;
  EXPECT_EQ(record.substr(202, 18), "<!--EndFragment-->");
}

TEST(HtmlClipboardTest, CopyReplacesTheClipboardUnderHtmlFormat) {
  int runs = 0;
  auto component = MakeExport(ComponentKind::kDocline, &runs);
  unsigned format = platform::Clipboard::RegisterFormat("HTML Format");
  EXPECT_EQ(platform::Clipboard::RegisterFormat("HTML Format"), format);
  platform::Clipboard::Set(format + 1, "other");
  ASSERT_EQ(component->CopyHTMLToClipboard("<b>é</b>"), S_OK);
  EXPECT_EQ(platform::Clipboard::Get(format + 1), std::nullopt);
  std::optional<std::string> record = platform::Clipboard::Get(format);
  ASSERT_TRUE(record.has_value());
  EXPECT_EQ(*record, HtmlClipboardRecord("<b>é</b>"));
  EXPECT_NE(record->find("EndHTML:00000229\r\n"), std::string::npos) << *record;
}

}  // namespace
}  // namespace tabulo::frame
