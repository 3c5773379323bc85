#include "frame/html_clipboard.h"

#include <cstdio>

#include "platform/clipboard.h"

namespace tabulo::frame {
namespace {

constexpr std::string_view kHeader =
    "Version:0.9\r\nStartHTML:00000000\r\nEndHTML:00000000\r\nStartFragment:00000000\r\n"
    "EndFragment:00000000\r\nStartSelection:00000000\r\nEndSelection:00000000\r\n"
    "<html><body>\r\n<!--StartFragment -->\r\n";
constexpr std::string_view kFooter = "<!--EndFragment-->\r\n</body>\r\n</html>";

// Writes the offset as eight digits right after the colon of the key.
void FillOffset(std::string& record, std::string_view key, std::size_t offset) {
  std::size_t digits = record.find(key) + key.size() + 1;
  char text[16];
  std::snprintf(text, sizeof text, "%08zu", offset);
  record.replace(digits, 8, text, 8);
}

}  // namespace

std::string HtmlClipboardRecord(std::string_view fragment) {
  std::string record;
  record.reserve(kHeader.size() + fragment.size() + 2 + kFooter.size());
  record += kHeader;
  record += fragment;
  record += "\r\n";
  record += kFooter;
  std::size_t start_html = record.find("<html>");
  std::size_t start_fragment = record.find("<!--StartFrag");
  // Searched past the fragment, so a fragment that quotes the end comment
  // cannot move the offset into itself.
  std::size_t end_fragment = record.find("<!--EndFrag", kHeader.size() + fragment.size());
  FillOffset(record, "StartHTML", start_html);
  FillOffset(record, "EndHTML", record.size());
  FillOffset(record, "StartFragment", start_fragment);
  FillOffset(record, "EndFragment", end_fragment);
  FillOffset(record, "StartSelection", start_fragment);
  FillOffset(record, "EndSelection", end_fragment);
  return record;
}

void CopyHtmlToClipboard(std::string_view fragment) {
  static const unsigned format = platform::Clipboard::RegisterFormat("HTML Format");
  platform::Clipboard::Set(format, HtmlClipboardRecord(fragment));
}

}  // namespace tabulo::frame
