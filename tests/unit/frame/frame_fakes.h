#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "frame/cexport.h"
#include "platform/error_info.h"

namespace tabulo::testing {

// A prompter that answers from a script and remembers what it was shown.
class FakePrompter : public platform::Prompter {
 public:
  struct Shown {
    std::string caption;
    std::string text;
    platform::BoxStyle style;
    bool help;
  };
  platform::BoxAnswer answer = platform::BoxAnswer::kYes;
  std::vector<Shown> shown;

  platform::BoxAnswer Show(std::string_view caption, std::string_view text, platform::BoxStyle style,
                           bool help) override {
    shown.push_back({std::string(caption), std::string(text), style, help});
    return answer;
  }
};

// A stage that records that it ran and what the destination was then.
class RecordingStage : public frame::ExportStage {
 public:
  explicit RecordingStage(int* runs) : runs_(runs) {}
  platform::HRESULT Run(frame::CExport&, std::string_view, platform::Variant*) override {
    ++*runs_;
    return platform::S_OK;
  }

 private:
  int* runs_;
};

inline std::unique_ptr<frame::CExport> MakeExport(frame::ComponentKind kind, int* runs,
                                                  platform::Prompter* prompter = nullptr) {
  frame::Host host;
  host.prompter = prompter;
  return std::make_unique<frame::CExport>(frame::Component(kind), std::make_unique<RecordingStage>(runs),
                                          std::move(host));
}

// One property as a properties XML entry.
inline std::string Property(const std::string& name, int type, const std::string& value) {
  return "<property><name>" + name + "</name><type>" + std::to_string(type) + "</type><value><![CDATA[" + value +
         "]]></value></property>";
}

inline std::string Properties(const std::string& entries) { return "<properties>" + entries + "</properties>"; }

inline std::string LastErrorText() {
  auto info = platform::TakeErrorInfo();
  return info ? info->description : std::string("<no error information>");
}

// A property's current value as the store gives it out.
inline std::string Value(frame::CExport& component, std::string_view name) {
  std::string value;
  EXPECT_EQ(component.Properties().GetString(name, &value), platform::S_OK);
  return value;
}

}  // namespace tabulo::testing
