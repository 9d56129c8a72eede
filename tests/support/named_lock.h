// Test programs run side by side on one desktop: a test that uses something
// the whole desktop shares (the clipboard, the foreground for a popup menu,
// the mouse cursor) holds a named mutex meanwhile, so that another test
// program waits.
#pragma once

#include <windows.h>

namespace kxtest {

class NamedLock {
 public:
  explicit NamedLock(const char* name) : mutex_(::CreateMutexA(nullptr, FALSE, name)) {
    if (mutex_) ::WaitForSingleObject(mutex_, 30000);
  }
  ~NamedLock() {
    if (mutex_) {
      ::ReleaseMutex(mutex_);
      ::CloseHandle(mutex_);
    }
  }
  NamedLock(const NamedLock&) = delete;
  NamedLock& operator=(const NamedLock&) = delete;

 private:
  HANDLE mutex_;
};

// The clipboard, held while a test puts data on it and reads it back.
class ClipboardLock : public NamedLock {
 public:
  ClipboardLock() : NamedLock("KXTestClipboard") {}
};

// The mouse cursor, held by a test whose windows follow the real cursor
// (MoveCursorTo) or expect it to stay away from them.
class CursorLock : public NamedLock {
 public:
  CursorLock() : NamedLock("KXTestCursor") {}
};

}  // namespace kxtest
