#pragma once

#include "charts/engine/chart_builder.h"

namespace tabulo::charts {

// The builder over this engine's own drawing: it keeps what it is given and
// draws it all when the picture is exported.
class CChartCairo final : public CChartBase {
 public:
  explicit CChartCairo(std::int32_t chart_type);

  void SetTitle(std::string_view text) override;
  void SetCategoryAxisTitle(std::string_view text) override;
  void SetValueAxisTitle(std::string_view text) override;
  void SetNumberFormat(bool percentage, bool fixed_scale, std::int32_t decimals) override;
  void SetLegend(bool shown, std::int32_t position) override;
  void AddSeries(std::string_view name, std::span<const std::string> categories,
                 std::span<const double> values) override;
  void FitLegend() override;
  PictureSize ExportImage(const std::filesystem::path& path, ImageFormat format) const override;

  std::int32_t PictureHeight() const override { return height_; }
  const ChartDescription& Description() const override { return chart_; }

 private:
  ChartDescription chart_;
  std::int32_t height_;
};

}  // namespace tabulo::charts
