#include "office/package/package.h"

#include <algorithm>
#include <stdexcept>

#include "office/package/zip_archive_writer.h"
#include "platform/atomic_file.h"

namespace tabulo::office {

void CheckPartName(std::string_view name) {
  const bool bad = name.empty() || name.front() == '/' || name.back() == '/' ||
                   name.find('\\') != std::string_view::npos || name.find("//") != std::string_view::npos ||
                   name.find("..") != std::string_view::npos || name == "[Content_Types].xml";
  if (bad) throw std::invalid_argument("invalid part name: " + std::string(name));
}

void Package::AddPart(std::string_view name, std::string_view content_type, std::string bytes) {
  CheckPartName(name);
  if (HasPart(name)) throw std::invalid_argument("duplicate part: " + std::string(name));
  part_index_.emplace(std::string(name), parts_.size());
  parts_.push_back({std::string(name), std::move(bytes)});
  content_types_.SetPartType(name, content_type);
}

bool Package::HasPart(std::string_view name) const { return part_index_.find(name) != part_index_.end(); }

std::string Package::FreePartName(std::string_view stem, std::string_view extension) {
  std::size_t& number = last_free_numbers_[std::string(stem) + '\n' + std::string(extension)];
  std::string name;
  do {
    name = std::string(stem) + std::to_string(++number) + std::string(extension);
  } while (HasPart(name));
  return name;
}

const std::string& Package::PartBytes(std::string_view name) const {
  const auto found = part_index_.find(name);
  if (found == part_index_.end()) throw std::out_of_range("no part " + std::string(name));
  return parts_[found->second].bytes;
}

Relationships& Package::RelationshipsOf(std::string_view part_name) {
  auto found = relationships_.find(part_name);
  if (found == relationships_.end())
    found = relationships_.emplace(std::string(part_name), Relationships()).first;
  return found->second;
}

std::string Package::Relate(std::string_view source_part, std::string_view type,
                            std::string_view target_part) {
  return RelationshipsOf(source_part).Add(type, RelativePartTarget(source_part, target_part));
}

template <typename Visit>
void Package::VisitEntries(std::vector<std::string>& generated, Visit visit) const {
  // Reserved up front: the views handed out must not move.
  generated.reserve(2 * (relationships_.size() + 1));
  const auto visit_generated = [&](std::string name, std::string bytes) {
    generated.push_back(std::move(name));
    const std::string& stored_name = generated.back();
    generated.push_back(std::move(bytes));
    visit(std::string_view(stored_name), std::string_view(generated.back()));
  };
  visit_generated("[Content_Types].xml", content_types_.Xml());
  const auto visit_relationships = [&](std::string_view source) {
    auto found = relationships_.find(source);
    if (found != relationships_.end() && !found->second.Empty()) {
      visit_generated(RelationshipsPartName(source), found->second.Xml());
    }
  };
  visit_relationships("");
  for (const Part& part : parts_) {
    visit(std::string_view(part.name), std::string_view(part.bytes));
    visit_relationships(part.name);
  }
}

std::vector<ZipEntry> Package::Entries() const {
  std::vector<ZipEntry> entries;
  std::vector<std::string> generated;
  VisitEntries(generated, [&](std::string_view name, std::string_view bytes) {
    entries.push_back({std::string(name), std::string(bytes)});
  });
  return entries;
}

std::string Package::ZipBytes() const {
  ZipArchiveWriter zip;
  std::vector<std::string> generated;
  VisitEntries(generated,
               [&](std::string_view name, std::string_view bytes) { zip.AddBorrowed(name, bytes); });
  return zip.Finish();
}

void Package::Save(const std::filesystem::path& path, bool replace) const {
  const std::string bytes = ZipBytes();
  platform::AtomicFile file(path);
  file.Write(bytes);
  file.Commit(replace);
}

}  // namespace tabulo::office
