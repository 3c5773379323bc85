#pragma once

#include "office/chart/chart.h"
#include "office/spreadsheet/drawing_object.h"

namespace tabulo::office {

// A chart embedded in a worksheet: a graphic frame over its frame that
// refers to a chart part (xl/charts/chartN.xml) written from the model.
class ChartDrawing final : public DrawingObject {
 public:
  explicit ChartDrawing(PointFrame frame, ChartType type = ChartType::kColumnClustered);

  Chart& Model() { return model_; }
  const Chart& Model() const { return model_; }

  void WriteAnchorContent(XmlWriter& xml, DrawingPartContext& context) const override;

 private:
  Chart model_;
};

}  // namespace tabulo::office
