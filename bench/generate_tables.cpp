// Writes a large, realistic and exactly consistent Tables XML document:
// concatenated and nested variables on both axes, nets with their members,
// bases, statistics, hidden elements, heading ids, annotations and one value
// row per side leaf with a value per top leaf and cell item.

#include <CLI/CLI.hpp>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <random>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

struct Options {
  int tables = 10;
  int variables = 2;
  int nesting = 2;
  int elements = 4;
  int cell_items = 2;
  std::uint64_t seed = 1;
  double target_mb = 0;
  std::string output;
};

constexpr std::string_view kCellItemTypes[] = {"Count", "ColPercent", "RowPercent", "Mean", "StdDev"};
constexpr std::string_view kAnnotationPositions[] = {"TitleHeader",  "LeftHeader",  "CenterHeader",
                                                     "RightHeader",  "TitleFooter", "LeftFooter",
                                                     "CenterFooter", "RightFooter"};
constexpr std::string_view kLabels[] = {"Very satisfied",
                                        "Fairly satisfied",
                                        "Neither",
                                        "Fairly dissatisfied",
                                        "Very dissatisfied",
                                        "Don't know",
                                        "North",
                                        "South",
                                        "East",
                                        "West",
                                        "18-24",
                                        "25-34",
                                        "35-44",
                                        "45-54",
                                        "55-64",
                                        "65+",
                                        "Male",
                                        "Female"};

struct Element {
  Element(std::string name_, std::string label_, std::string_view type_ = "Category", bool hidden_ = false)
      : name(std::move(name_)), label(std::move(label_)), type(type_), hidden(hidden_) {}

  std::string name;
  std::string label;
  std::string_view type = "Category";
  bool hidden = false;
  std::vector<Element> members;  // of a net
};

// The shape of one axis of a table: the same variables at every level of
// nesting, so that the heading blocks can be counted exactly.
struct AxisShape {
  bool side = false;
  int variables = 1;
  int nesting = 1;
  int elements = 1;
  bool heading_ids = false;
  bool hidden = false;

  bool Innermost(int level) const { return level == nesting - 1; }

  // The elements of a variable at a level. Only innermost variables carry
  // nets, statistics and hidden elements; outer ones are plain categories.
  std::vector<Element> ElementsAt(int level, int variable) const {
    std::vector<Element> list;
    auto category = [&](int i) {
      std::string name = "e" + std::to_string(i + 1);
      std::string label(kLabels[static_cast<std::size_t>(variable * 7 + level * 3 + i) % std::size(kLabels)]);
      return Element{name, label + " " + std::to_string(i + 1)};
    };
    if (!Innermost(level)) {
      for (int i = 0; i < elements; ++i) list.push_back(category(i));
      return list;
    }
    if (side) list.push_back(Element{"base", "Base", "Base"});
    Element net{"net", "Top two (net)", "Net"};
    net.members = {category(0), category(1)};
    list.push_back(net);
    for (int i = 2; i < elements; ++i) list.push_back(category(i));
    if (hidden) list.push_back(Element{"dk", "Don't know", "Category", true});
    if (side) {
      list.push_back(Element{"mean", "Mean", "Mean"});
      list.push_back(Element{"sd", "Std. deviation", "StdDev"});
    }
    return list;
  }

  static int HeadingCount(const std::vector<Element>& list) {
    int count = 0;
    for (const Element& element : list) count += 1 + static_cast<int>(element.members.size());
    return count;
  }

  // Leaves under one instance of a variable at this level.
  long LeavesAt(int level) const {
    int headings = HeadingCount(ElementsAt(level, 0));
    return Innermost(level) ? headings : headings * LeavesAt(level + 1);
  }
  long Leaves() const { return variables * LeavesAt(0); }
};

class Writer {
 public:
  explicit Writer(std::uint64_t seed) : random_(seed) {}

  std::string& Text() { return out_; }

  void Table(int index, const Options& options) {
    bool populated = index % 7 != 6;
    AxisShape top{false,          options.variables, options.nesting, options.elements,
                  index % 3 == 0, index % 4 == 1};
    AxisShape side{true, options.variables, options.nesting, options.elements, false, index % 5 == 2};
    out_ += "    <Table Name=\"T" + std::to_string(index + 1) + "\" Description=\"Table " +
            std::to_string(index + 1) + ": satisfaction by region and age\" Base=\"All respondents\"" +
            (populated ? " IsPopulated=\"true\"" : "") + ">\n      <Axes>\n";
    Root("Top", top);
    Root("Side", side);
    out_ += "      </Axes>\n      <CellItems>\n";
    for (int k = 0; k < options.cell_items; ++k) {
      out_ += "        <CellItem Type=\"";
      out_ += kCellItemTypes[static_cast<std::size_t>(k) % std::size(kCellItemTypes)];
      out_ += k == 1 ? "\" Decimals=\"1\"/>\n" : "\"/>\n";
    }
    out_ += "      </CellItems>\n      <Annotations>\n";
    for (std::string_view position : kAnnotationPositions) {
      out_ += "        <Annotation Position=\"";
      out_ += position;
      out_ += "\" Text=\"" + std::string(position) + " of table " + std::to_string(index + 1) + "\"/>\n";
    }
    out_ += "      </Annotations>\n";
    if (populated) Values(side.Leaves(), top.Leaves(), options.cell_items);
    out_ += "    </Table>\n";
  }

 private:
  void Root(std::string_view name, const AxisShape& shape) {
    out_ += "        <Axis Name=\"";
    out_ += name;
    out_ += "\">\n          <SubAxes>\n";
    for (int v = 0; v < shape.variables; ++v) Variable(shape, v, 0, 1, 12);
    out_ += "          </SubAxes>\n          <AxisHeadings>";
    for (int v = 0; v < shape.variables; ++v) out_ += "<Heading Name=\"" + VariableName(v, 0) + "\"/>";
    out_ += "</AxisHeadings>\n        </Axis>\n";
  }

  static std::string VariableName(int variable, int level) {
    return "q" + std::to_string(variable + 1) + (level > 0 ? "_" + std::to_string(level) : "");
  }

  void Indent(int depth) { out_.append(static_cast<std::size_t>(depth), ' '); }

  // One variable with `instances` heading blocks (one per element heading of
  // the variable above it) and, below the innermost level, its nested variable.
  void Variable(const AxisShape& shape, int variable, int level, long instances, int depth) {
    std::vector<Element> elements = shape.ElementsAt(level, variable);
    Indent(depth);
    out_ += "<Axis Name=\"" + VariableName(variable, level) + "\" Label=\"Question " +
            std::to_string(variable + 1) + (level > 0 ? " (level " + std::to_string(level + 1) + ")" : "") +
            "\">\n";
    Indent(depth + 2);
    out_ += "<Elements>";
    for (const Element& element : elements) ElementXml(element);
    out_ += "</Elements>\n";
    Indent(depth + 2);
    out_ += "<ElementHeadings>";
    bool ids = shape.heading_ids && shape.Innermost(level);
    long column = 0;
    for (long instance = 0; instance < instances; ++instance) {
      for (const Element& element : elements) {
        out_ += "<Heading Name=\"" + element.name + "\"" + (ids ? HeadingId(column++) : "");
        if (element.members.empty()) {
          out_ += "/>";
          continue;
        }
        out_ += "><SubElementHeadings>";
        for (const Element& member : element.members) {
          out_ += "<Heading Name=\"" + member.name + "\"" + (ids ? HeadingId(column++) : "") + "/>";
        }
        out_ += "</SubElementHeadings></Heading>";
      }
    }
    out_ += "</ElementHeadings>\n";
    if (!shape.Innermost(level)) {
      long nested_instances = instances * AxisShape::HeadingCount(elements);
      Indent(depth + 2);
      out_ += "<SubAxes>\n";
      Variable(shape, variable, level + 1, nested_instances, depth + 4);
      Indent(depth + 2);
      out_ += "</SubAxes>\n";
      Indent(depth + 2);
      out_ += "<AxisHeadings>";
      std::string heading = "<Heading Name=\"" + VariableName(variable, level + 1) + "\"/>";
      for (long i = 0; i < nested_instances; ++i) out_ += heading;
      out_ += "</AxisHeadings>\n";
    }
    Indent(depth);
    out_ += "</Axis>\n";
  }

  static std::string HeadingId(long column) {
    std::string id;
    for (long n = column + 1; n > 0; n = (n - 1) / 26)
      id.insert(id.begin(), static_cast<char>('A' + (n - 1) % 26));
    return " HeadingId=\"" + id + "\"";
  }

  void ElementXml(const Element& element) {
    out_ += "<Element Name=\"" + element.name + "\" Label=\"" + element.label + "\"";
    if (element.type != "Category") out_ += " Type=\"" + std::string(element.type) + "\"";
    if (element.type == "Mean" || element.type == "StdDev") out_ += " Decimals=\"2\"";
    if (element.hidden) out_ += " ShownOnTable=\"false\"";
    if (element.members.empty()) {
      out_ += "/>";
      return;
    }
    out_ += "><SubElements>";
    for (const Element& member : element.members) ElementXml(member);
    out_ += "</SubElements></Element>";
  }

  void Values(long rows, long columns, int cell_items) {
    out_ += "      <CellValues>\n        <Layer>\n";
    for (long row = 0; row < rows; ++row) {
      out_ += "          <row x=\"" + std::to_string(row) + "\"";
      long id = 1;
      for (long column = 0; column < columns; ++column) {
        for (int k = 0; k < cell_items; ++k) {
          out_ += " c" + std::to_string(id++) + "=\"" + Value(k) + "\"";
        }
      }
      out_ += "/>\n";
    }
    out_ += "        </Layer>\n      </CellValues>\n";
  }

  std::string Value(int cell_item) {
    std::uniform_int_distribution<int> count(0, 2000);
    std::uniform_int_distribution<int> tenths(0, 1000);
    char text[32];
    switch (cell_item % 5) {
      case 0:
        return std::to_string(count(random_));
      case 1:
      case 2:
        std::snprintf(text, sizeof text, "%.1f%%", tenths(random_) / 10.0);
        return text;
      default:
        std::snprintf(text, sizeof text, "%.2f", 1 + tenths(random_) / 250.0);
        return text;
    }
  }

  std::string out_;
  std::mt19937_64 random_;
};

}  // namespace

int main(int argc, char** argv) {
  Options options;
  CLI::App app{"Writes a generated Tables XML document for tests and benchmarks"};
  app.add_option("--tables", options.tables, "number of tables (at least)")->check(CLI::Range(1, 1000000));
  app.add_option("--variables", options.variables, "concatenated variables per axis")
      ->check(CLI::Range(1, 50));
  app.add_option("--nesting", options.nesting, "levels of nested variables")->check(CLI::Range(1, 5));
  app.add_option("--elements", options.elements, "elements per variable")->check(CLI::Range(2, 100));
  app.add_option("--cell-items", options.cell_items, "cell items per cell")->check(CLI::Range(1, 5));
  app.add_option("--seed", options.seed, "seed of the values");
  app.add_option("--target-mb", options.target_mb, "keep adding tables until the document has this size");
  app.add_option("-o", options.output, "output file (default: standard output)");
  CLI11_PARSE(app, argc, argv);

  Writer writer(options.seed);
  std::string& text = writer.Text();
  text =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Document Description=\"Generated survey\" "
      "LocaleId=\"1033\">\n"
      "  <DataSet Description=\"Generated data set\"/>\n  <Tables>\n";
  const double target = options.target_mb * 1024 * 1024;
  for (int index = 0; index < options.tables || static_cast<double>(text.size()) < target; ++index) {
    writer.Table(index, options);
  }
  text += "  </Tables>\n</Document>\n";

  if (options.output.empty()) {
    std::cout << text;
    return std::cout.good() ? 0 : 1;
  }
  std::ofstream file(options.output, std::ios::binary);
  file << text;
  file.close();
  if (!file) {
    std::cerr << "tabulo-gen-tables: cannot write " << options.output << "\n";
    return 1;
  }
  return 0;
}
