#pragma once
// The standard error report caught for a test, which cannot answer a modal box on its own thread:
// while a capture lives, every report goes into it instead of a message box. One at a time.
#include <string>
#include <vector>

namespace velmora::testing {

class ReportCapture {
 public:
  ReportCapture();
  ~ReportCapture();
  ReportCapture(const ReportCapture&) = delete;
  ReportCapture& operator=(const ReportCapture&) = delete;

  // The messages reported since the capture began, in order.
  const std::vector<std::string>& Messages() const;
};

}  // namespace velmora::testing
