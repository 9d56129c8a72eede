#include "support/assert_capture.h"

#include "base/diagnostics.h"

namespace kxtest {

namespace {
AssertCapture* g_innermost = nullptr;
}  // namespace

struct AssertCaptureAccess {
  static BOOL Handler(LPCSTR lpszFileName, int nLine) {
    std::string where = std::string(lpszFileName ? lpszFileName : "?") + "(" + std::to_string(nLine) + ")";
    if (AssertCapture* capture = g_innermost) {
      ++capture->count_;
      capture->last_ = where;
    } else {
      ADD_FAILURE() << "unexpected failed assertion at " << where;
    }
    return FALSE;  // go on: the fallback after the assertion runs
  }
};

AssertCapture::AssertCapture() : outer_(g_innermost) { g_innermost = this; }
AssertCapture::~AssertCapture() { g_innermost = outer_; }

void ReportUnexpectedAssertions() { AfxSetAssertHandler(&AssertCaptureAccess::Handler); }

}  // namespace kxtest
