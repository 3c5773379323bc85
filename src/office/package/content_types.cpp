#include "office/package/content_types.h"

#include <algorithm>

#include "office/markup/xml_writer.h"
#include "office/package/opc_names.h"

namespace tabulo::office {
namespace {

std::string LowerAscii(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
  return lower;
}

std::string ExtensionOf(std::string_view part_name) {
  const std::size_t slash = part_name.rfind('/');
  const std::size_t dot = part_name.rfind('.');
  if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash)) return {};
  return LowerAscii(part_name.substr(dot + 1));
}

template <typename Entries>
auto FindKey(Entries& entries, std::string_view key) {
  return std::find_if(entries.begin(), entries.end(), [&](const auto& entry) { return entry.first == key; });
}

}  // namespace

ContentTypes::ContentTypes() {
  SetDefault("rels", opc::kRelationshipsContentType);
  SetDefault("xml", opc::kXmlContentType);
}

void ContentTypes::SetDefault(std::string_view extension, std::string_view content_type) {
  std::string key = LowerAscii(extension);
  auto found = FindKey(defaults_, key);
  if (found != defaults_.end()) {
    found->second = content_type;
  } else {
    defaults_.emplace_back(std::move(key), content_type);
  }
}

void ContentTypes::SetPartType(std::string_view part_name, std::string_view content_type) {
  std::string key = "/" + std::string(part_name);
  auto by_default = FindKey(defaults_, ExtensionOf(part_name));
  const bool default_says_it = by_default != defaults_.end() && by_default->second == content_type;
  const auto found = override_index_.find(key);
  if (found != override_index_.end()) {
    overrides_[found->second].second = default_says_it ? std::string() : std::string(content_type);
  } else if (!default_says_it) {
    override_index_.emplace(key, overrides_.size());
    overrides_.emplace_back(std::move(key), content_type);
  }
}

std::string ContentTypes::TypeOf(std::string_view part_name) const {
  const auto found = override_index_.find("/" + std::string(part_name));
  if (found != override_index_.end() && !overrides_[found->second].second.empty()) {
    return overrides_[found->second].second;
  }
  auto by_default = FindKey(defaults_, ExtensionOf(part_name));
  return by_default != defaults_.end() ? by_default->second : std::string();
}

std::string ContentTypes::Xml() const {
  std::string out;
  XmlWriter xml(out);
  xml.Declaration();
  xml.Start("Types");
  xml.Attribute("xmlns", opc::kContentTypesNamespace);
  for (const auto& [extension, type] : defaults_) {
    xml.Start("Default");
    xml.Attribute("Extension", extension);
    xml.Attribute("ContentType", type);
    xml.End();
  }
  for (const auto& [part, type] : overrides_) {
    if (type.empty()) continue;
    xml.Start("Override");
    xml.Attribute("PartName", part);
    xml.Attribute("ContentType", type);
    xml.End();
  }
  xml.End();
  return out;
}

}  // namespace tabulo::office
