#include "support/pump.h"

#include <windows.h>

#include <chrono>

namespace kxtest {

namespace {

using Clock = std::chrono::steady_clock;

enum class Drain { Empty, Quit, Timeout };

// Dispatches until PeekMessage finds nothing, the deadline passes or WM_QUIT.
Drain DrainQueue(Clock::time_point deadline) {
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) return Drain::Quit;
    ::DispatchMessageA(&msg);
    if (Clock::now() >= deadline) return Drain::Timeout;
  }
  return Drain::Empty;
}

DWORD MillisecondsUntil(Clock::time_point deadline) {
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
  return left.count() > 0 ? static_cast<DWORD>(left.count()) : 0;
}

}  // namespace

bool PumpUntilIdle(unsigned timeoutMs) {
  return DrainQueue(Clock::now() + std::chrono::milliseconds(timeoutMs)) == Drain::Empty;
}

bool PumpFor(unsigned ms) {
  const auto deadline = Clock::now() + std::chrono::milliseconds(ms);
  for (;;) {
    if (DrainQueue(deadline) == Drain::Quit) return false;
    const DWORD left = MillisecondsUntil(deadline);
    if (left == 0) return true;
    ::MsgWaitForMultipleObjectsEx(0, nullptr, left, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
  }
}

bool PumpUntil(const std::function<bool()>& done, unsigned timeoutMs) {
  const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
  for (;;) {
    const Drain drained = DrainQueue(deadline);
    if (done()) return true;
    if (drained == Drain::Quit) return false;
    const DWORD left = MillisecondsUntil(deadline);
    if (left == 0) return false;
    ::MsgWaitForMultipleObjectsEx(0, nullptr, left < 10 ? left : 10, QS_ALLINPUT,
                                  MWMO_INPUTAVAILABLE);
  }
}

}  // namespace kxtest
