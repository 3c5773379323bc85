#include "office/lint/package_lint.h"

#include <libxml/parser.h>
#include <libxml/tree.h>

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string_view>

#include "office/chart/chart_names.h"
#include "office/chart/data_label_position.h"
#include "office/chart/plot_chart_type.h"
#include "office/spreadsheet/cell_reference.h"
#include "office/spreadsheet/sheet_name.h"
#include "xml/safe_parsing.h"

namespace tabulo::office {
namespace {

constexpr std::string_view kWorkbookType =
    "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml";
constexpr std::string_view kWorksheetType =
    "application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml";
constexpr std::string_view kStylesType =
    "application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml";
constexpr std::string_view kSharedStringsType =
    "application/vnd.openxmlformats-officedocument.spreadsheetml.sharedStrings+xml";
constexpr std::string_view kWordNamespace = "http://schemas.openxmlformats.org/wordprocessingml/2006/main";
constexpr std::string_view kRelationshipNamespace =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships";

struct DocumentDeleter {
  void operator()(xmlDoc* document) const { xmlFreeDoc(document); }
};
using DocumentPtr = std::unique_ptr<xmlDoc, DocumentDeleter>;

std::string_view Text(const xmlChar* text) {
  return text == nullptr ? std::string_view() : std::string_view(reinterpret_cast<const char*>(text));
}

std::string_view LocalName(const xmlNode* node) { return Text(node->name); }
std::string_view NamespaceOf(const xmlNode* node) {
  return node->ns == nullptr ? std::string_view() : Text(node->ns->href);
}

// An attribute by local name; with `ns` empty only an attribute without a
// namespace matches.
std::optional<std::string> Attribute(const xmlNode* node, std::string_view name, std::string_view ns = {}) {
  for (const xmlAttr* attribute = node->properties; attribute != nullptr; attribute = attribute->next) {
    const std::string_view attribute_ns =
        attribute->ns == nullptr ? std::string_view() : Text(attribute->ns->href);
    if (Text(attribute->name) != name || attribute_ns != ns) continue;
    xmlChar* value = xmlNodeListGetString(attribute->doc, attribute->children, 1);
    std::string text(Text(value));
    xmlFree(value);
    return text;
  }
  return std::nullopt;
}

std::vector<const xmlNode*> Children(const xmlNode* node, std::string_view name = {}) {
  std::vector<const xmlNode*> children;
  for (const xmlNode* child = node->children; child != nullptr; child = child->next) {
    if (child->type == XML_ELEMENT_NODE && (name.empty() || LocalName(child) == name))
      children.push_back(child);
  }
  return children;
}

void ForEachElement(const xmlNode* node, const std::function<void(const xmlNode*)>& visit) {
  for (const xmlNode* child = node->children; child != nullptr; child = child->next) {
    if (child->type != XML_ELEMENT_NODE) continue;
    visit(child);
    ForEachElement(child, visit);
  }
}

std::string Lower(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
  return lower;
}

std::optional<long> ToNumber(const std::optional<std::string>& text) {
  if (!text || text->empty() || text->size() > 10) return std::nullopt;
  long value = 0;
  for (char c : *text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

// The part a relationship target names, from the folder of its source.
std::string ResolveTarget(std::string_view source_part, std::string_view target) {
  std::vector<std::string> segments;
  if (!target.empty() && target.front() == '/') {
    target.remove_prefix(1);
  } else {
    const std::size_t slash = source_part.rfind('/');
    std::string_view folder =
        slash == std::string_view::npos ? std::string_view() : source_part.substr(0, slash);
    while (!folder.empty()) {
      const std::size_t next = folder.find('/');
      segments.emplace_back(folder.substr(0, next));
      folder = next == std::string_view::npos ? std::string_view() : folder.substr(next + 1);
    }
  }
  while (!target.empty()) {
    const std::size_t next = target.find('/');
    const std::string_view segment = target.substr(0, next);
    if (segment == "..") {
      if (!segments.empty()) segments.pop_back();
    } else if (segment != "." && !segment.empty()) {
      segments.emplace_back(segment);
    }
    target = next == std::string_view::npos ? std::string_view() : target.substr(next + 1);
  }
  std::string resolved;
  for (const std::string& segment : segments) resolved += (resolved.empty() ? "" : "/") + segment;
  return resolved;
}

// The part whose relationships a .rels part holds ("xl/_rels/workbook.xml.rels" -> "xl/workbook.xml").
std::string SourceOfRelationships(std::string_view rels_part) {
  const std::size_t marker = rels_part.rfind("_rels/");
  std::string source(rels_part.substr(0, marker));
  source += rels_part.substr(marker + 6, rels_part.size() - marker - 6 - 5);
  return source;
}

class Linter {
 public:
  explicit Linter(const std::vector<ZipEntry>& entries) : entries_(entries) {}

  std::vector<LintFinding> Run() {
    for (const ZipEntry& entry : entries_) {
      parts_.insert(entry.name);
      if (IsXml(entry.name)) Parse(entry);
    }
    CheckContentTypes();
    for (const auto& [name, document] : documents_) {
      if (name.ends_with(".rels")) CheckRelationships(name, xmlDocGetRootElement(document.get()));
    }
    LoadSpreadsheetCounts();
    for (const auto& [name, document] : documents_) {
      const xmlNode* root = xmlDocGetRootElement(document.get());
      const std::string type = TypeOf(name);
      if (type == kWorkbookType) CheckWorkbook(name, root);
      if (type == kWorksheetType) CheckWorksheet(name, root);
      if (type == dml_chart::kContentType) CheckLabelPositions(name, root);
      CheckShapeIds(name, root);
      if (NamespaceOf(root) == kWordNamespace) CheckTableCells(name, root);
    }
    return std::move(findings_);
  }

 private:
  static bool IsXml(std::string_view name) { return name.ends_with(".xml") || name.ends_with(".rels"); }

  void Report(std::string_view part, std::string message) {
    findings_.push_back({std::string(part), std::move(message)});
  }

  void Parse(const ZipEntry& entry) {
    xml::FirstError error;
    xmlParserCtxtPtr context = xmlNewParserCtxt();
    if (context == nullptr) throw std::bad_alloc();
    xml::CaptureFirstError(context, &error);
    DocumentPtr document(xmlCtxtReadMemory(context, entry.bytes.data(), static_cast<int>(entry.bytes.size()),
                                           entry.name.c_str(), nullptr,
                                           XML_PARSE_NONET | XML_PARSE_NOWARNING | XML_PARSE_NOERROR));
    const bool well_formed = document && context->wellFormed != 0;
    xmlFreeParserCtxt(context);
    if (!well_formed || xmlDocGetRootElement(document.get()) == nullptr) {
      Report(entry.name, "not well-formed XML: " + xml::ReasonOf(error));
      return;
    }
    documents_.emplace(entry.name, std::move(document));
  }

  std::string TypeOf(const std::string& part) const {
    auto found = overrides_.find("/" + part);
    if (found != overrides_.end()) return found->second;
    const std::size_t dot = part.rfind('.');
    auto by_default = defaults_.find(dot == std::string::npos ? std::string() : Lower(part.substr(dot + 1)));
    return by_default != defaults_.end() ? by_default->second : std::string();
  }

  void CheckContentTypes() {
    constexpr std::string_view kName = "[Content_Types].xml";
    auto found = documents_.find(std::string(kName));
    if (found == documents_.end()) {
      if (!parts_.contains(std::string(kName))) Report(kName, "the package has no content types part");
      return;
    }
    const xmlNode* root = xmlDocGetRootElement(found->second.get());
    for (const xmlNode* entry : Children(root, "Default")) {
      defaults_[Lower(Attribute(entry, "Extension").value_or(""))] =
          Attribute(entry, "ContentType").value_or("");
    }
    for (const xmlNode* entry : Children(root, "Override")) {
      const std::string part = Attribute(entry, "PartName").value_or("");
      if (!overrides_.emplace(part, Attribute(entry, "ContentType").value_or("")).second) {
        Report(kName, "two overrides for " + part);
      }
      if (part.empty() || part.front() != '/' || !parts_.contains(part.substr(1))) {
        Report(kName, "override for a part that does not exist: " + part);
      }
    }
    for (const std::string& part : parts_) {
      if (part != kName && TypeOf(part).empty()) Report(part, "no content type");
    }
  }

  void CheckRelationships(const std::string& name, const xmlNode* root) {
    const std::string source = SourceOfRelationships(name);
    if (!source.empty() && !parts_.contains(source))
      Report(name, "relationships of a part that does not exist");
    std::set<std::string> ids;
    for (const xmlNode* relationship : Children(root, "Relationship")) {
      const std::string id = Attribute(relationship, "Id").value_or("");
      if (!ids.insert(id).second) Report(name, "duplicate relationship id " + id);
      if (Attribute(relationship, "TargetMode").value_or("") == "External") continue;
      const std::string target = ResolveTarget(source, Attribute(relationship, "Target").value_or(""));
      if (!parts_.contains(target)) Report(name, "relationship " + id + " names a missing part: " + target);
    }
  }

  void LoadSpreadsheetCounts() {
    for (const auto& [name, document] : documents_) {
      const xmlNode* root = xmlDocGetRootElement(document.get());
      const std::string type = TypeOf(name);
      if (type == kStylesType) {
        for (const xmlNode* list : Children(root, "cellXfs")) cell_formats_ = Children(list, "xf").size();
      } else if (type == kSharedStringsType) {
        shared_strings_ = Children(root, "si").size();
        const auto unique = ToNumber(Attribute(root, "uniqueCount"));
        if (unique && static_cast<std::size_t>(*unique) != *shared_strings_) {
          Report(name, "uniqueCount says " + std::to_string(*unique) + " strings but there are " +
                           std::to_string(*shared_strings_));
        }
      }
    }
  }

  void CheckWorkbook(const std::string& name, const xmlNode* root) {
    std::vector<std::string> names;
    std::set<long> sheet_ids;
    std::set<std::string> relationship_ids;
    for (const xmlNode* sheets : Children(root, "sheets")) {
      for (const xmlNode* sheet : Children(sheets, "sheet")) {
        const std::string sheet_name = Attribute(sheet, "name").value_or("");
        if (auto problem = SheetNameProblem(sheet_name))
          Report(name, "sheet \"" + sheet_name + "\": " + *problem);
        for (const std::string& earlier : names) {
          if (SameSheetName(earlier, sheet_name)) Report(name, "two sheets named " + sheet_name);
        }
        names.push_back(sheet_name);
        const auto id = ToNumber(Attribute(sheet, "sheetId"));
        if (!id || !sheet_ids.insert(*id).second)
          Report(name, "sheet \"" + sheet_name + "\": missing or duplicate sheetId");
        const std::string relationship = Attribute(sheet, "id", kRelationshipNamespace).value_or("");
        if (!relationship_ids.insert(relationship).second) {
          Report(name, "sheet \"" + sheet_name + "\": duplicate relationship id " + relationship);
        }
      }
    }
    for (const xmlNode* defined : Children(root, "definedNames")) {
      for (const xmlNode* entry : Children(defined, "definedName")) {
        const auto local = Attribute(entry, "localSheetId");
        if (local && (!ToNumber(local) || static_cast<std::size_t>(*ToNumber(local)) >= names.size())) {
          Report(name, "defined name " + Attribute(entry, "name").value_or("") +
                           " names a sheet that does not exist");
        }
      }
    }
  }

  void CheckWorksheet(const std::string& name, const xmlNode* root) {
    long last_row = 0;
    for (const xmlNode* data : Children(root, "sheetData")) {
      for (const xmlNode* row : Children(data, "row")) {
        const auto number = ToNumber(Attribute(row, "r"));
        if (!number || *number < 1 || *number > kMaxRows) {
          Report(name, "row without a valid number");
          continue;
        }
        if (*number <= last_row) Report(name, "row " + std::to_string(*number) + " out of order");
        last_row = *number;
        std::int32_t last_column = 0;
        for (const xmlNode* cell : Children(row, "c"))
          CheckCell(name, cell, static_cast<std::int32_t>(*number), last_column);
      }
    }
    std::vector<CellRange> merged;
    for (const xmlNode* list : Children(root, "mergeCells")) {
      for (const xmlNode* merge : Children(list, "mergeCell")) {
        const std::string ref = Attribute(merge, "ref").value_or("");
        const auto range = ref.find(':') == std::string::npos ? std::nullopt : ParseRangeName(ref);
        if (!range) {
          Report(name, "bad merged range \"" + ref + "\"");
          continue;
        }
        if (range->IsSingleCell()) Report(name, "merged range of one cell: " + ref);
        for (const CellRange& earlier : merged) {
          if (earlier.Intersects(*range))
            Report(name, "merged ranges overlap: " + RangeName(earlier) + " and " + ref);
        }
        merged.push_back(*range);
      }
    }
  }

  void CheckCell(const std::string& name, const xmlNode* cell, std::int32_t row, std::int32_t& last_column) {
    const std::string ref = Attribute(cell, "r").value_or("");
    const auto parsed = ParseCellName(ref);
    if (!parsed || ref.find('$') != std::string::npos) {
      Report(name, "bad cell reference \"" + ref + "\"");
      return;
    }
    if (parsed->row != row) Report(name, "cell " + ref + " in row " + std::to_string(row));
    if (parsed->column <= last_column) Report(name, "cell " + ref + " out of order");
    last_column = parsed->column;
    const auto style = Attribute(cell, "s");
    if (style &&
        (!ToNumber(style) || static_cast<std::size_t>(*ToNumber(style)) >= cell_formats_.value_or(1))) {
      Report(name, "cell " + ref + " has a style index that does not exist");
    }
    if (Attribute(cell, "t").value_or("") == "s") {
      for (const xmlNode* value : Children(cell, "v")) {
        xmlChar* content = xmlNodeGetContent(value);
        const auto index = ToNumber(std::string(Text(content)));
        xmlFree(content);
        if (!index || static_cast<std::size_t>(*index) >= shared_strings_.value_or(0)) {
          Report(name, "cell " + ref + " names a shared string that does not exist");
        }
      }
    }
  }

  void CheckShapeIds(const std::string& name, const xmlNode* root) {
    std::set<std::string> ids;
    ForEachElement(root, [&](const xmlNode* node) {
      if (LocalName(node) != "cNvPr") return;
      const std::string id = Attribute(node, "id").value_or("");
      if (!ids.insert(id).second) Report(name, "duplicate shape id " + id);
    });
  }

  // Office repairs away a label position the chart type does not offer.
  void CheckLabelPositions(const std::string& name, const xmlNode* root) {
    ForEachElement(root, [&](const xmlNode* node) {
      if (LocalName(node) != "dLblPos" || NamespaceOf(node) != dml_chart::kNamespace) return;
      const std::string value = Attribute(node, "val").value_or("");
      const xmlNode* plot = node->parent;
      while (plot != nullptr && plot->type == XML_ELEMENT_NODE && !PlotChartType(plot)) plot = plot->parent;
      if (plot == nullptr || plot->type != XML_ELEMENT_NODE) return;
      const auto shape = ShapeOf(*PlotChartType(plot));
      const auto position = ParseLabelPosition(value);
      if (shape && (!position || !IsLabelPositionAllowed(*shape, *position))) {
        Report(name,
               "data label position \"" + value + "\" is not offered by " + std::string(LocalName(plot)));
      }
    });
  }

  void CheckTableCells(const std::string& name, const xmlNode* root) {
    ForEachElement(root, [&](const xmlNode* node) {
      if (LocalName(node) != "tc" || NamespaceOf(node) != kWordNamespace) return;
      const auto children = Children(node);
      if (children.empty() || LocalName(children.back()) != "p")
        Report(name, "table cell that does not end with a paragraph");
    });
  }

  const std::vector<ZipEntry>& entries_;
  std::set<std::string> parts_;
  std::map<std::string, DocumentPtr> documents_;
  std::map<std::string, std::string> defaults_;
  std::map<std::string, std::string> overrides_;
  std::optional<std::size_t> cell_formats_;
  std::optional<std::size_t> shared_strings_;
  std::vector<LintFinding> findings_;
};

}  // namespace

std::vector<LintFinding> LintPackage(const std::vector<ZipEntry>& entries) { return Linter(entries).Run(); }

}  // namespace tabulo::office
