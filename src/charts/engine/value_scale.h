#pragma once

#include <vector>

namespace tabulo::charts::engine {

inline constexpr int kFewestTicks = 4;
inline constexpr int kMostTicks = 10;

// The value axis: its range and the values labelled on it, lowest first.
struct ValueScale {
  double minimum = 0.0;
  double maximum = 1.0;
  std::vector<double> ticks;
};

// A scale over the data's range widened to include zero, with a round step
// of 1, 2, 2.5 or 5 times a power of ten: the finest such step that gives at
// most `most_ticks` ticks (clamped to 4..10), widened to 4 ticks when a step
// fine enough would need more decimals than the labels show (`decimals`,
// negative for as many as needed).
ValueScale ChooseValueScale(double data_low, double data_high, int most_ticks, int decimals);

// A scale over a fixed range (a percentage axis from 0 to 100): the finest
// round step that divides the range into at most `most_ticks` ticks.
ValueScale FixedValueScale(double low, double high, int most_ticks, int decimals);

}  // namespace tabulo::charts::engine
