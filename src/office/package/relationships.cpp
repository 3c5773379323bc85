#include "office/package/relationships.h"

#include "office/markup/xml_writer.h"
#include "office/package/opc_names.h"

namespace tabulo::office {
namespace {

std::string_view FolderOf(std::string_view part) {
  const std::size_t slash = part.rfind('/');
  return slash == std::string_view::npos ? std::string_view() : part.substr(0, slash + 1);
}

}  // namespace

std::string Relationships::Add(std::string_view type, std::string_view target, bool external) {
  std::string id = "rId" + std::to_string(entries_.size() + 1);
  entries_.push_back({id, std::string(type), std::string(target), external});
  return id;
}

std::string Relationships::Xml() const {
  std::string out;
  XmlWriter xml(out);
  xml.Declaration();
  xml.Start("Relationships");
  xml.Attribute("xmlns", opc::kRelationshipsNamespace);
  for (const Relationship& relationship : entries_) {
    xml.Start("Relationship");
    xml.Attribute("Id", relationship.id);
    xml.Attribute("Type", relationship.type);
    xml.Attribute("Target", relationship.target);
    if (relationship.external) xml.Attribute("TargetMode", "External");
    xml.End();
  }
  xml.End();
  return out;
}

std::string RelationshipsPartName(std::string_view source_part) {
  const std::string_view folder = FolderOf(source_part);
  return std::string(folder) + "_rels/" + std::string(source_part.substr(folder.size())) + ".rels";
}

std::string RelativePartTarget(std::string_view source_part, std::string_view target_part) {
  std::string_view from = FolderOf(source_part);
  std::string_view to = target_part;
  // Drop the folders both share, then climb out of what is left of the source's.
  while (true) {
    const std::size_t slash = from.find('/');
    if (slash == std::string_view::npos) break;
    const std::string_view folder = from.substr(0, slash + 1);
    if (to.substr(0, folder.size()) != folder) break;
    from.remove_prefix(folder.size());
    to.remove_prefix(folder.size());
  }
  std::string target;
  for (char c : from) {
    if (c == '/') target += "../";
  }
  target += to;
  return target;
}

}  // namespace tabulo::office
