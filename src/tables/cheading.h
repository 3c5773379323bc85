#pragma once

#include <string>

namespace tabulo::tables {

class CAxisHeading;
class CElementHeading;

// Where a heading stands in its axis's heading tree; written by
// PrepareTableLayout before each rendering of the table.
struct HeadingGeometry {
  int span = 0;               // rows (side) or columns (top) covered
  int depth = 0;              // heading level, 0 for the variables of a root axis
  int leaf_index = -1;        // position in the table's leaf vector
  int sub_element_level = 0;  // 0 top-level element, 1 net member, 2 member of a member, ...
  bool is_leaf = false;
};

// The common interface of the headings of variables (CAxisHeading) and of
// elements (CElementHeading).
class CHeading {
 public:
  virtual ~CHeading() = default;

  // The heading's Name attribute.
  virtual const std::string& GetName() const = 0;
  // The Label of the variable or element the heading refers to.
  virtual const std::string& GetLabel() const = 0;
  // Always true for a variable; ShownOnTable of the element otherwise.
  virtual bool IsShown() const = 0;

  int GetSpan() const { return geometry_.span; }
  int GetDepth() const { return geometry_.depth; }
  int GetLeafIndex() const { return geometry_.leaf_index; }
  void SetLeafIndex(int index) { geometry_.leaf_index = index; }
  int GetSubElementLevel() const { return geometry_.sub_element_level; }
  bool IsLeaf() const { return geometry_.is_leaf; }
  const HeadingGeometry& Geometry() const { return geometry_; }
  HeadingGeometry& Geometry() { return geometry_; }

  bool HasHeadingId() const { return !heading_id_.empty(); }
  const std::string& GetHeadingId() const { return heading_id_; }

  // The text shown for the heading under the label settings of the render
  // context: a variable shows its label when UseVariableLabels is on and the
  // label is not empty, else its name; an element shows its label when
  // UseElementLabels is on (an empty label stays empty), else its name, and
  // an element of type Profile follows UseVariableLabels instead.
  virtual const std::string& GetDisplayText() const = 0;

  // Paths through the parents set by PrepareTableLayout: a variable's path is
  // its parent element's path, ", " and its own text; an element's path is
  // its variable heading's path, ": " and its own text. Example: "Age: 18-24,
  // Gender: Male".
  std::string GetNamePath() const;
  std::string GetLabelPath() const;
  std::string GetDisplayPath() const;

  // The concrete kind, for writers that lay the two kinds out differently.
  virtual const CAxisHeading* AsAxisHeading() const { return nullptr; }
  virtual const CElementHeading* AsElementHeading() const { return nullptr; }

 protected:
  CHeading() = default;
  CHeading(const CHeading&) = default;
  CHeading& operator=(const CHeading&) = default;

  enum class TextKind { kName, kLabel, kDisplay };
  const std::string& TextOf(TextKind kind) const;
  // The heading above this one in the tree (nullptr at the top) and the
  // separator written between its path and this heading's text.
  virtual const CHeading* PathParent() const = 0;
  virtual const char* PathSeparator() const = 0;
  std::string PathOf(TextKind kind) const;

  std::string heading_id_;

 private:
  HeadingGeometry geometry_;
};

}  // namespace tabulo::tables
