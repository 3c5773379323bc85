#include <algorithm>
#include <cmath>
#include <tuple>
#include <vector>

#include "charts/engine/colour.h"
#include "charts/engine/drawing.h"
#include "charts/engine/series_painters.h"

namespace tabulo::charts::engine {
namespace {

constexpr double kClusterShare = 0.7;  // of a category's slot taken by its bars side by side
constexpr double kStackShare = 0.6;    // of a category's slot taken by one stacked bar
constexpr double kBlockDepthStart = 0.15;  // a block's front, as a share of the chart's depth
constexpr double kBlockDepthShare = 0.7;   // a block's depth, as a share of the chart's depth
constexpr double kRowDepthStart = 0.2;     // within its row, for columns one behind the other
constexpr double kRowDepthShare = 0.6;

struct Block {
  Box front;         // in the front plane, before it is moved back
  double back = 0.0;   // how far back its front face stands (share of the depth)
  double depth = 0.0;  // how deep it is (share of the depth)
  Rgb colour;
};

// Whole pixels keep flat bars crisp and neighbours flush; a bar never
// vanishes for lack of a pixel.
Box Snapped(const Box& box) {
  double left = std::round(box.left);
  double top = std::round(box.top);
  double right = std::max(std::round(box.Right()), left + 1.0);
  double bottom = std::max(std::round(box.Bottom()), top + 1.0);
  if (box.height == 0.0) bottom = top;
  if (box.width == 0.0) right = left;
  return {left, top, right - left, bottom - top};
}

std::vector<Block> BlocksOf(const CartesianFrame& frame, const ChartKind& kind, const PlottedValues& values) {
  std::vector<Block> blocks;
  std::size_t series_count = values.spans.size();
  for (std::size_t s = 0; s < series_count; ++s) {
    for (std::size_t c = 0; c < values.spans[s].size(); ++c) {
      const ValueSpan& span = values.spans[s][c];
      if (!span.present || span.from == span.to) continue;
      Interval stretch;
      Block block{{}, kBlockDepthStart, kBlockDepthShare, SeriesColour(s)};
      switch (kind.grouping) {
        case SeriesGrouping::kClustered: {
          double share = kClusterShare / static_cast<double>(series_count);
          stretch = frame.SlotPart(c, (1.0 - kClusterShare) / 2.0 + static_cast<double>(s) * share, share);
          break;
        }
        case SeriesGrouping::kDepthRows:
          stretch = frame.SlotPart(c, (1.0 - kStackShare) / 2.0, kStackShare);
          block.back = (static_cast<double>(s) + kRowDepthStart) / static_cast<double>(series_count);
          block.depth = kRowDepthShare / static_cast<double>(series_count);
          break;
        case SeriesGrouping::kStacked:
        case SeriesGrouping::kStacked100:
          stretch = frame.SlotPart(c, (1.0 - kStackShare) / 2.0, kStackShare);
          break;
      }
      block.front = frame.Between(stretch, frame.ValuePosition(span.from), frame.ValuePosition(span.to));
      blocks.push_back(block);
    }
  }
  return blocks;
}

// Farther blocks first; then, as the top and right faces show, the blocks
// to the left and below before those that stand in front of their faces:
// along the category axis first, then along the value axis.
void SortBackToFront(std::vector<Block>& blocks, bool horizontal_values) {
  std::stable_sort(blocks.begin(), blocks.end(), [horizontal_values](const Block& a, const Block& b) {
    if (horizontal_values) {
      return std::make_tuple(-a.back, -a.front.Bottom(), a.front.left) <
             std::make_tuple(-b.back, -b.front.Bottom(), b.front.left);
    }
    return std::make_tuple(-a.back, a.front.left, -a.front.Bottom()) <
           std::make_tuple(-b.back, b.front.left, -b.front.Bottom());
  });
}

}  // namespace

void DrawBarSeries(cairo_t* context, const CartesianFrame& frame, const ChartKind& kind,
                   const PlottedValues& values) {
  std::vector<Block> blocks = BlocksOf(frame, kind, values);
  if (!kind.three_d) {
    for (const Block& block : blocks) FillBox(context, Snapped(block.front), block.colour);
    return;
  }
  SortBackToFront(blocks, frame.horizontal_values);
  for (const Block& block : blocks) {
    Box front = block.front;
    front.left += frame.depth.x * block.back;
    front.top += frame.depth.y * block.back;
    Point depth{frame.depth.x * block.depth, frame.depth.y * block.depth};
    FillBlock(context, front, depth, block.colour);
  }
}

}  // namespace tabulo::charts::engine
