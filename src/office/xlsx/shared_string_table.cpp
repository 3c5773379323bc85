#include "office/xlsx/shared_string_table.h"

#include <algorithm>

#include "office/markup/xml_writer.h"
#include "office/xlsx/sml_names.h"
#include "office/xlsx/sml_text.h"
#include "office/xlsx/style_sheet.h"

namespace tabulo::office {
namespace {

constexpr std::uint32_t kUnused = UINT32_MAX;

}  // namespace

SharedStringTable::SharedStringTable(const TextPool& texts)
    : texts_(texts), index_of_text_(texts.Size(), kUnused) {}

std::uint32_t SharedStringTable::IndexOfText(TextPool::Id text) {
  ++references_;
  if (text >= index_of_text_.size()) index_of_text_.resize(texts_.Size(), kUnused);
  std::uint32_t& index = index_of_text_.at(text);
  if (index == kUnused) {
    entries_.push_back({text, {}});
    index = static_cast<std::uint32_t>(entries_.size() - 1);
  }
  return index;
}

std::uint32_t SharedStringTable::IndexOfRichText(const RichText& runs, const Font& cell_font) {
  ++references_;
  std::pair<std::vector<std::string>, std::vector<std::size_t>> key;
  Entry entry;
  for (const TextRun& run : runs) {
    const Font font = ResolveRunFont(cell_font, run);
    auto found = std::find(run_fonts_.begin(), run_fonts_.end(), font);
    if (found == run_fonts_.end()) found = run_fonts_.insert(run_fonts_.end(), font);
    key.first.push_back(run.text);
    key.second.push_back(static_cast<std::size_t>(found - run_fonts_.begin()));
    entry.runs.emplace_back(run.text, font);
  }
  auto found = rich_index_.find(key);
  if (found != rich_index_.end()) return found->second;
  entries_.push_back(std::move(entry));
  const auto index = static_cast<std::uint32_t>(entries_.size() - 1);
  rich_index_.emplace(std::move(key), index);
  return index;
}

std::string SharedStringTable::Xml() const {
  std::string out;
  XmlWriter xml(out);
  xml.Declaration();
  xml.Start("sst");
  xml.Attribute("xmlns", sml::kMainNamespace);
  xml.Attribute("count", references_);
  xml.Attribute("uniqueCount", entries_.size());
  for (const Entry& entry : entries_) {
    xml.Start("si");
    if (entry.runs.empty()) {
      WriteSmlTextElement(xml, "t", texts_.Get(entry.text));
    } else {
      for (const auto& [text, font] : entry.runs) {
        xml.Start("r");
        xml.Start("rPr");
        StyleSheet::WriteFontProperties(xml, font, true);
        xml.End();
        WriteSmlTextElement(xml, "t", text);
        xml.End();
      }
    }
    xml.End();
  }
  xml.End();
  return out;
}

}  // namespace tabulo::office
