#include "office/chart/chart_template.h"

#include <libxml/parser.h>
#include <libxml/tree.h>

#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "office/chart/chart_names.h"
#include "office/chart/plot_chart_type.h"
#include "office/package/zip_archive_reader.h"
#include "xml/safe_parsing.h"

namespace tabulo::office {
namespace {

// A template is a handful of small parts; anything far larger is not one.
constexpr ZipReadLimits kTemplateLimits{1000, std::size_t{64} << 20, std::size_t{256} << 20};

constexpr std::string_view kContentTypesPart = "[Content_Types].xml";
constexpr std::string_view kPackageRelationshipsPart = "_rels/.rels";

struct DocumentDeleter {
  void operator()(xmlDoc* document) const { xmlFreeDoc(document); }
};
using DocumentPtr = std::unique_ptr<xmlDoc, DocumentDeleter>;

std::string_view Text(const xmlChar* text) {
  return text == nullptr ? std::string_view() : std::string_view(reinterpret_cast<const char*>(text));
}

// Parses without loading any DTD or external entity and without network.
DocumentPtr ParsePart(std::string_view bytes) {
  xml::RefuseExternalResources();
  return DocumentPtr(xmlReadMemory(bytes.data(), static_cast<int>(bytes.size()), nullptr, nullptr,
                                   XML_PARSE_NONET | XML_PARSE_NOWARNING | XML_PARSE_NOERROR));
}

std::string AttributeOf(const xmlNode* node, const char* name) {
  xmlChar* value = xmlGetNoNsProp(node, reinterpret_cast<const xmlChar*>(name));
  std::string text(Text(value));
  xmlFree(value);
  return text;
}

std::vector<const xmlNode*> ChildElements(const xmlNode* node, std::string_view name) {
  std::vector<const xmlNode*> children;
  if (node == nullptr) return children;
  for (const xmlNode* child = node->children; child != nullptr; child = child->next) {
    if (child->type == XML_ELEMENT_NODE && Text(child->name) == name) children.push_back(child);
  }
  return children;
}

const ZipEntry* FindEntry(const std::vector<ZipEntry>& entries, std::string_view name) {
  for (const ZipEntry& entry : entries) {
    if (entry.name == name) return &entry;
  }
  return nullptr;
}

// Part names as the zip stores them: without the leading slash of a part
// name or an absolute target.
std::string ZipName(std::string_view name) {
  while (!name.empty() && name.front() == '/') name.remove_prefix(1);
  return std::string(name);
}

// The parts that may be the chart, best first: the targets of the package's
// chart relationships, then the parts the content types call charts.
std::vector<std::string> ChartPartCandidates(const std::vector<ZipEntry>& entries) {
  std::vector<std::string> candidates;
  if (const ZipEntry* rels = FindEntry(entries, kPackageRelationshipsPart)) {
    const DocumentPtr document = ParsePart(rels->bytes);
    for (const xmlNode* relationship : ChildElements(xmlDocGetRootElement(document.get()), "Relationship")) {
      if (AttributeOf(relationship, "Type") == dml_chart::kRelationship &&
          AttributeOf(relationship, "TargetMode") != "External") {
        candidates.push_back(ZipName(AttributeOf(relationship, "Target")));
      }
    }
  }
  if (const ZipEntry* types = FindEntry(entries, kContentTypesPart)) {
    const DocumentPtr document = ParsePart(types->bytes);
    const xmlNode* root = xmlDocGetRootElement(document.get());
    std::set<std::string> overridden{std::string(kContentTypesPart)};
    for (const xmlNode* override_entry : ChildElements(root, "Override")) {
      const std::string part = ZipName(AttributeOf(override_entry, "PartName"));
      overridden.insert(part);
      if (AttributeOf(override_entry, "ContentType") == dml_chart::kContentType) candidates.push_back(part);
    }
    // A default applies only to the parts without an override of their own.
    for (const xmlNode* default_entry : ChildElements(root, "Default")) {
      if (AttributeOf(default_entry, "ContentType") != dml_chart::kContentType) continue;
      const std::string extension = "." + AttributeOf(default_entry, "Extension");
      for (const ZipEntry& entry : entries) {
        if (entry.name.ends_with(extension) && !overridden.contains(entry.name))
          candidates.push_back(entry.name);
      }
    }
  }
  return candidates;
}

const xmlNode* ChartChild(const xmlNode* node, std::string_view name) {
  for (const xmlNode* child : ChildElements(node, name)) {
    if (child->ns != nullptr && Text(child->ns->href) == dml_chart::kNamespace) return child;
  }
  return nullptr;
}

// The first element of the plot area after its layout: the first plot.
const xmlNode* FirstPlot(const xmlNode* chart_space) {
  const xmlNode* plot_area = ChartChild(ChartChild(chart_space, "chart"), "plotArea");
  if (plot_area == nullptr) return nullptr;
  for (const xmlNode* child = plot_area->children; child != nullptr; child = child->next) {
    if (child->type == XML_ELEMENT_NODE && Text(child->name) != "layout") return child;
  }
  return nullptr;
}

std::vector<ZipEntry> ReadTemplatePackage(const std::filesystem::path& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) {
    throw ChartTemplateError("the chart template file " + path.string() +
                             " does not exist or is not accessible");
  }
  try {
    return ReadZipFile(path, kTemplateLimits);
  } catch (const std::exception& failure) {
    throw ChartTemplateError("the chart template file " + path.string() +
                             " is not a chart template package: " + failure.what());
  }
}

}  // namespace

ChartType ReadChartTemplateType(const std::filesystem::path& path) {
  const std::vector<ZipEntry> entries = ReadTemplatePackage(path);
  const std::string where = "the chart template file " + path.string();
  for (const std::string& candidate : ChartPartCandidates(entries)) {
    const ZipEntry* part = FindEntry(entries, candidate);
    if (part == nullptr) continue;
    const DocumentPtr document = ParsePart(part->bytes);
    const xmlNode* root = xmlDocGetRootElement(document.get());
    if (root == nullptr || root->ns == nullptr || Text(root->ns->href) != dml_chart::kNamespace ||
        Text(root->name) != "chartSpace") {
      throw ChartTemplateError(where + " has a chart part that is not a readable chart: " + candidate);
    }
    const xmlNode* plot = FirstPlot(root);
    if (plot == nullptr) throw ChartTemplateError(where + " has a chart without a plot");
    if (const std::optional<ChartType> type = PlotChartType(plot)) return *type;
    throw ChartTemplateError(
        where + " describes a kind of chart that is not known: " + std::string(Text(plot->name)));
  }
  throw ChartTemplateError(where + " holds no chart");
}

}  // namespace tabulo::office
