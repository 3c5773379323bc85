#pragma once

namespace tabulo::charts::engine {

struct Point {
  double x = 0.0;
  double y = 0.0;
};

// An axis-aligned box in picture pixels, y growing downwards.
struct Box {
  double left = 0.0;
  double top = 0.0;
  double width = 0.0;
  double height = 0.0;

  double Right() const { return left + width; }
  double Bottom() const { return top + height; }
  double CentreX() const { return left + width / 2.0; }
  double CentreY() const { return top + height / 2.0; }
};

}  // namespace tabulo::charts::engine
