// Message pumping for tests that drive windows on the test's own thread.
//
// The pumps dispatch without TranslateMessage: the input helpers post
// complete WM_KEYDOWN/WM_CHAR/WM_KEYUP sequences, and translating the posted
// key-downs would produce every character twice. A WM_QUIT ends the pump
// and is consumed.
#pragma once

#include <functional>

namespace kxtest {

// Processes messages until the queue is empty: posted messages, sent ones
// from other threads, and everything that handling them generates (further
// posts, WM_PAINT for invalid windows, due WM_TIMERs). Returns false when the
// queue did not drain within timeoutMs (a window that never validates, a
// zero-period timer) or a WM_QUIT arrived.
bool PumpUntilIdle(unsigned timeoutMs = 5000);

// Processes messages for ms milliseconds, sleeping in
// MsgWaitForMultipleObjectsEx while nothing arrives. Returns false when a
// WM_QUIT cut it short.
bool PumpFor(unsigned ms);

// Pumps until done() holds (checked after each drain, at least every 10 ms)
// or timeoutMs has passed. Returns whether done() held.
bool PumpUntil(const std::function<bool()>& done, unsigned timeoutMs = 2000);

}  // namespace kxtest
