// Synchronisation objects between two threads: a lock releases what it
// holds when it goes, a semaphore counts, a multiple lock waits for any or
// all of its objects.
#include <afxmt.h>
#include <afxwin.h>

#include "support/assert_capture.h"

#include <gtest/gtest.h>

namespace {

// Runs fn on another thread and waits for it.
template <class F>
DWORD OnOtherThread(F fn) {
    struct Call {
        static DWORD WINAPI Run(void* p) { return (*static_cast<F*>(p))(); }
    };
    HANDLE h = ::CreateThread(nullptr, 0, &Call::Run, &fn, 0, nullptr);
    ::WaitForSingleObject(h, 5000);
    DWORD dwExit = 0;
    ::GetExitCodeThread(h, &dwExit);
    ::CloseHandle(h);
    return dwExit;
}

}  // namespace

TEST(SyncObjects, ALockHoldsItsObjectUntilItGoes) {
    CMutex mutex;
    {
        CSingleLock lock(&mutex, TRUE);
        EXPECT_TRUE(lock.IsLocked());
        EXPECT_EQ(OnOtherThread([&] { return static_cast<DWORD>(CSingleLock(&mutex).Lock(0)); }), 0u);
    }
    EXPECT_EQ(OnOtherThread([&] {
                  CSingleLock lock(&mutex);
                  return static_cast<DWORD>(lock.Lock(0));
              }),
              1u);

    CCriticalSection section;
    {
        CSingleLock lock(&section, TRUE);
        EXPECT_TRUE(lock.IsLocked());
    }
    EXPECT_ASSERTS(section.Lock(10));  // a critical section has no timeout
    section.Unlock();
}

TEST(SyncObjects, SemaphoresCountAndEventsSignal) {
    CSemaphore semaphore(2, 3);
    CSingleLock a(&semaphore), b(&semaphore), c(&semaphore);
    EXPECT_TRUE(a.Lock(0));
    EXPECT_TRUE(b.Lock(0));
    EXPECT_FALSE(c.Lock(0));
    LONG lPrevious = -1;
    EXPECT_TRUE(a.Unlock(1, &lPrevious));
    EXPECT_EQ(lPrevious, 0);
    EXPECT_TRUE(c.Lock(0));

    CEvent manual(FALSE, TRUE), automatic;
    EXPECT_FALSE(manual.Lock(0));
    manual.SetEvent();
    EXPECT_TRUE(manual.Lock(0));
    EXPECT_TRUE(manual.Lock(0));  // stays set until reset
    manual.ResetEvent();
    EXPECT_FALSE(manual.Lock(0));
    automatic.SetEvent();
    EXPECT_TRUE(automatic.Lock(0));
    EXPECT_FALSE(automatic.Lock(0));  // an automatic event resets on the wait
}

TEST(SyncObjects, AMultipleLockWaitsForAnyOrAll) {
    CEvent first(FALSE, TRUE), second(FALSE, TRUE);
    CSyncObject* objects[] = {&first, &second};
    CMultiLock lock(objects, 2);
    EXPECT_EQ(lock.Lock(0, FALSE), static_cast<DWORD>(WAIT_TIMEOUT));
    second.SetEvent();
    EXPECT_EQ(lock.Lock(0, FALSE), static_cast<DWORD>(WAIT_OBJECT_0 + 1));
    EXPECT_FALSE(lock.IsLocked(0));
    EXPECT_TRUE(lock.IsLocked(1));
    EXPECT_EQ(lock.Lock(0, TRUE), static_cast<DWORD>(WAIT_TIMEOUT));
    OnOtherThread([&] { return static_cast<DWORD>(first.SetEvent()); });
    EXPECT_EQ(lock.Lock(1000, TRUE), static_cast<DWORD>(WAIT_OBJECT_0));
    EXPECT_TRUE(lock.IsLocked(0) && lock.IsLocked(1));
}
