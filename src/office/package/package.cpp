#include "office/package/package.h"

#include <stdexcept>

namespace tabulo::office {

void CheckPartName(std::string_view name) {
  const bool bad = name.empty() || name.front() == '/' || name.back() == '/' ||
                   name.find('\\') != std::string_view::npos || name.find("//") != std::string_view::npos ||
                   name.find("..") != std::string_view::npos || name == "[Content_Types].xml";
  if (bad) throw std::invalid_argument("invalid part name: " + std::string(name));
}

Package::Package(ByteSink& sink) : zip_(sink, spool_) {}

void Package::AddPart(std::string_view name, std::string_view content_type, std::string bytes) {
  CheckPartName(name);
  if (HasPart(name)) throw std::invalid_argument("duplicate part: " + std::string(name));
  if (part_names_.empty()) WriteRelationships("");
  zip_.Add(name, std::move(bytes));
  part_names_.emplace(name);
  content_types_.SetPartType(name, content_type);
}

bool Package::HasPart(std::string_view name) const { return part_names_.contains(std::string(name)); }

std::string Package::FreePartName(std::string_view stem, std::string_view extension) {
  std::size_t& number = last_free_numbers_[std::string(stem) + '\n' + std::string(extension)];
  std::string name;
  do {
    name = std::string(stem) + std::to_string(++number) + std::string(extension);
  } while (HasPart(name));
  return name;
}

Relationships& Package::RelationshipsOf(std::string_view part_name) {
  auto found = relationships_.find(part_name);
  if (found != relationships_.end()) return found->second;
  if (written_relationships_.contains(std::string(part_name))) {
    throw std::logic_error("the relationships of '" + std::string(part_name) + "' are written already");
  }
  return relationships_.emplace(std::string(part_name), Relationships()).first->second;
}

std::string Package::Relate(std::string_view source_part, std::string_view type,
                            std::string_view target_part) {
  return RelationshipsOf(source_part).Add(type, RelativePartTarget(source_part, target_part));
}

void Package::WriteRelationships(std::string_view source_part) {
  auto found = relationships_.find(source_part);
  written_relationships_.emplace(source_part);
  if (found == relationships_.end()) return;
  if (!found->second.Empty()) zip_.Add(RelationshipsPartName(source_part), found->second.Xml());
  relationships_.erase(found);
}

void Package::Finish() {
  if (part_names_.empty()) WriteRelationships("");
  while (!relationships_.empty()) {
    const std::string source = relationships_.begin()->first;
    WriteRelationships(source);
  }
  zip_.FinishWithFirst("[Content_Types].xml", content_types_.Xml());
}

}  // namespace tabulo::office
