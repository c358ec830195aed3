#include "ReportCapture.h"

#include <string_view>

#include "ui/ErrorReport.h"

namespace velmora::testing {

namespace {
std::vector<std::string> g_messages;

void Record(std::string_view message) {
  g_messages.emplace_back(message);
}
}  // namespace

ReportCapture::ReportCapture() {
  g_messages.clear();
  ui::SetErrorSink(&Record);
}

ReportCapture::~ReportCapture() {
  ui::SetErrorSink(nullptr);
}

const std::vector<std::string>& ReportCapture::Messages() const {
  return g_messages;
}

}  // namespace velmora::testing
