#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tabulo::office {

class XmlWriter;

// Where a drawing stands on its sheet, in points from the sheet's top left
// corner.
struct PointFrame {
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;

  friend bool operator==(const PointFrame&, const PointFrame&) = default;
};

// What the drawing part offers an object while it writes itself.
class DrawingPartContext {
 public:
  virtual ~DrawingPartContext() = default;
  // An id for the object's non-visual properties, unique in the drawing.
  virtual std::uint32_t NextShapeId() = 0;
  // Adds a part related to the drawing part, named `stem` + the next free
  // number + `extension` ("xl/charts/chart" + "1" + ".xml"), and returns the
  // relationship id the drawing refers to it by.
  virtual std::string AddRelatedPart(std::string_view relationship_type, std::string_view stem,
                                     std::string_view extension, std::string_view content_type,
                                     std::string bytes) = 0;
};

// Something drawn on a worksheet, such as an embedded chart. The sheet's
// drawing part anchors it by its frame and has it write the element inside
// the anchor (a graphic frame, shape or picture) and the parts it needs.
class DrawingObject {
 public:
  explicit DrawingObject(PointFrame frame) : frame_(frame) {}
  virtual ~DrawingObject() = default;
  DrawingObject(const DrawingObject&) = delete;
  DrawingObject& operator=(const DrawingObject&) = delete;

  const PointFrame& Frame() const { return frame_; }
  void SetFrame(PointFrame frame) { frame_ = frame; }

  virtual void WriteAnchorContent(XmlWriter& xml, DrawingPartContext& context) const = 0;

 private:
  PointFrame frame_;
};

}  // namespace tabulo::office
