// The clipboard is one for the whole desktop, and test programs run side by
// side: a test that puts data on it and reads it back holds this lock (a
// named mutex) meanwhile, so that another test program does not change it
// in between.
#pragma once

#include <windows.h>

namespace kxtest {

class ClipboardLock {
 public:
  ClipboardLock() : mutex_(::CreateMutexA(nullptr, FALSE, "KXTestClipboard")) {
    if (mutex_) ::WaitForSingleObject(mutex_, 30000);
  }
  ~ClipboardLock() {
    if (mutex_) {
      ::ReleaseMutex(mutex_);
      ::CloseHandle(mutex_);
    }
  }
  ClipboardLock(const ClipboardLock&) = delete;
  ClipboardLock& operator=(const ClipboardLock&) = delete;

 private:
  HANDLE mutex_;
};

}  // namespace kxtest
