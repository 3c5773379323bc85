#include "charts/engine/value_scale.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

namespace tabulo::charts::engine {
namespace {

// A step is mantissa × 10^exponent, kept apart so that tick values are
// computed as integer multiples and come out as the nearest double to the
// decimal value (3 × 0.1 is computed as 3 / 10, not 0.30000000000000004).
struct Step {
  double mantissa = 1.0;
  int exponent = 0;
};

// Ticks first × step up to last × step.
struct TickRun {
  std::int64_t first = 0;
  std::int64_t last = 1;
  Step step;

  std::int64_t Count() const { return last - first + 1; }
};

constexpr std::array<double, 4> kMantissas{1.0, 2.0, 2.5, 5.0};
// Quotients this close to an integer count as that integer.
constexpr double kTolerance = 1e-9;
// Magnitudes beyond these cannot be stepped through in doubles.
constexpr double kSmallestMagnitude = 1e-290;
constexpr double kLargestMagnitude = 1e300;

double Multiple(std::int64_t count, Step step) {
  double units = static_cast<double>(count) * step.mantissa;
  if (step.exponent >= 0) return units * std::pow(10.0, step.exponent);
  return units / std::pow(10.0, -step.exponent);
}

// The first step to try: a hundredth of the largest magnitude.
int StartExponent(double low, double high) {
  double magnitude = std::max(std::fabs(low), std::fabs(high));
  return static_cast<int>(std::floor(std::log10(magnitude))) - 2;
}

// A 2.5 step needs one decimal more than its power of ten.
int DecimalsOf(Step step) {
  int decimals = -step.exponent;
  if (step.mantissa == 2.5) ++decimals;
  return std::max(decimals, 0);
}

// The finest step (from fine to coarse) whose run over low..high `accept`s;
// the runs shrink as the steps grow, so a run of two ticks ends the search.
template <typename Accept>
TickRun FinestAcceptedRun(double low, double high, int decimals, Accept accept) {
  for (int exponent = StartExponent(low, high);; ++exponent) {
    for (double mantissa : kMantissas) {
      Step step{mantissa, exponent};
      if (decimals >= 0 && DecimalsOf(step) > decimals) continue;
      double value = Multiple(1, step);
      double low_units = low / value;
      double high_units = high / value;
      TickRun run{static_cast<std::int64_t>(std::floor(low_units + kTolerance)),
                  static_cast<std::int64_t>(std::ceil(high_units - kTolerance)), step};
      bool exact = std::fabs(low_units - static_cast<double>(run.first)) < kTolerance &&
                   std::fabs(high_units - static_cast<double>(run.last)) < kTolerance;
      if (accept(run, exact) || run.Count() <= 2) return run;
    }
  }
}

ValueScale ScaleOf(const TickRun& run) {
  ValueScale scale;
  for (std::int64_t k = run.first; k <= run.last; ++k) scale.ticks.push_back(Multiple(k, run.step));
  scale.minimum = scale.ticks.front();
  scale.maximum = scale.ticks.back();
  return scale;
}

bool Usable(double value) {
  double magnitude = std::fabs(value);
  return std::isfinite(value) && magnitude < kLargestMagnitude;
}

}  // namespace

ValueScale ChooseValueScale(double data_low, double data_high, int most_ticks, int decimals) {
  double low = Usable(data_low) ? std::min(data_low, 0.0) : 0.0;
  double high = Usable(data_high) ? std::max(data_high, 0.0) : 0.0;
  // Nothing but zeros (or values too small to step through): a unit axis.
  if (std::max(-low, high) < kSmallestMagnitude) {
    low = 0.0;
    high = 1.0;
  }
  std::int64_t most = std::clamp(most_ticks, kFewestTicks, kMostTicks);
  TickRun run = FinestAcceptedRun(low, high, decimals, [&](const TickRun& candidate, bool) {
    return candidate.Count() <= most;
  });
  // A coarse step (or one forced by the label decimals) can leave too few
  // ticks to read the axis by; the axis then grows on the data's side.
  while (run.Count() < kFewestTicks) {
    if (high > 0.0) {
      ++run.last;
    } else {
      --run.first;
    }
  }
  return ScaleOf(run);
}

ValueScale FixedValueScale(double low, double high, int most_ticks, int decimals) {
  if (!(high > low) || !Usable(low) || !Usable(high)) return ChooseValueScale(low, high, most_ticks, decimals);
  std::int64_t most = std::clamp(most_ticks, kFewestTicks, kMostTicks);
  TickRun run = FinestAcceptedRun(low, high, decimals, [&](const TickRun& candidate, bool exact) {
    return exact && candidate.Count() <= most;
  });
  ValueScale scale = ScaleOf(run);
  scale.minimum = low;
  scale.maximum = high;
  // A range no round step divides keeps its own ends; ticks beyond them go.
  std::erase_if(scale.ticks, [&](double tick) { return tick < low - kTolerance || tick > high + kTolerance; });
  return scale;
}

}  // namespace tabulo::charts::engine
