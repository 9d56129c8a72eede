#include "win/syncobj.h"

#include "base/cexception.h"

IMPLEMENT_DYNAMIC(CSyncObject, CObject)
IMPLEMENT_DYNAMIC(CSemaphore, CSyncObject)
IMPLEMENT_DYNAMIC(CMutex, CSyncObject)
IMPLEMENT_DYNAMIC(CEvent, CSyncObject)
IMPLEMENT_DYNAMIC(CCriticalSection, CSyncObject)

// --- the objects ------------------------------------------------------------------

CSyncObject::CSyncObject(LPCTSTR pstrName) : m_strName(pstrName) {}

CSyncObject::~CSyncObject() {
    if (m_hObject != nullptr) ::CloseHandle(m_hObject);
}

BOOL CSyncObject::Lock(DWORD dwTimeout) {
    DWORD dwRet = ::WaitForSingleObject(m_hObject, dwTimeout);
    return dwRet == WAIT_OBJECT_0 || dwRet == WAIT_ABANDONED;
}

BOOL CSyncObject::Unlock(LONG, LPLONG) { return TRUE; }

// A creation that fails throws, as the framework's constructors do.
static void CheckCreated(HANDLE h) {
    if (h == nullptr) AfxThrowNotSupportedException();
}

CSemaphore::CSemaphore(LONG lInitialCount, LONG lMaxCount, LPCTSTR pstrName, LPSECURITY_ATTRIBUTES lpsaAttributes)
    : CSyncObject(pstrName) {
    ASSERT(lMaxCount > 0 && lInitialCount >= 0 && lInitialCount <= lMaxCount);
    m_hObject = ::CreateSemaphoreA(lpsaAttributes, lInitialCount, lMaxCount, pstrName);
    CheckCreated(m_hObject);
}

BOOL CSemaphore::Unlock(LONG lCount, LPLONG lprevCount) {
    return ::ReleaseSemaphore(m_hObject, lCount, lprevCount);
}

CMutex::CMutex(BOOL bInitiallyOwn, LPCTSTR lpszName, LPSECURITY_ATTRIBUTES lpsaAttribute) : CSyncObject(lpszName) {
    m_hObject = ::CreateMutexA(lpsaAttribute, bInitiallyOwn, lpszName);
    CheckCreated(m_hObject);
}

CEvent::CEvent(BOOL bInitiallyOwn, BOOL bManualReset, LPCTSTR lpszName, LPSECURITY_ATTRIBUTES lpsaAttribute)
    : CSyncObject(lpszName) {
    m_hObject = ::CreateEventA(lpsaAttribute, bManualReset, bInitiallyOwn, lpszName);
    CheckCreated(m_hObject);
}

CCriticalSection::CCriticalSection() : CSyncObject(nullptr) { ::InitializeCriticalSection(&m_sect); }
CCriticalSection::~CCriticalSection() { ::DeleteCriticalSection(&m_sect); }

BOOL CCriticalSection::Lock(DWORD dwTimeout) {
    ASSERT(dwTimeout == INFINITE);
    (void)dwTimeout;
    return Lock();
}

// --- CSingleLock ---------------------------------------------------------------------

CSingleLock::CSingleLock(CSyncObject* pObject, BOOL bInitialLock) : m_pObject(pObject) {
    ASSERT(pObject != nullptr);
    m_hObject = pObject ? pObject->m_hObject : nullptr;
    if (bInitialLock) Lock();
}

BOOL CSingleLock::Lock(DWORD dwTimeOut) {
    ASSERT(m_pObject != nullptr && !m_bAcquired);
    if (m_pObject == nullptr || m_bAcquired) return m_bAcquired;
    m_bAcquired = m_pObject->Lock(dwTimeOut);
    return m_bAcquired;
}

BOOL CSingleLock::Unlock() {
    if (m_bAcquired) m_bAcquired = !m_pObject->Unlock();
    return !m_bAcquired;
}

BOOL CSingleLock::Unlock(LONG lCount, LPLONG lPrevCount) {
    if (m_bAcquired) m_bAcquired = !m_pObject->Unlock(lCount, lPrevCount);
    return !m_bAcquired;
}

// --- CMultiLock ----------------------------------------------------------------------

CMultiLock::CMultiLock(CSyncObject* ppObjects[], DWORD dwCount, BOOL bInitialLock)
    : m_ppObjectArray(ppObjects), m_dwCount(dwCount) {
    ASSERT(ppObjects != nullptr && dwCount > 0 && dwCount <= MAXIMUM_WAIT_OBJECTS);
    if (ppObjects == nullptr || dwCount > MAXIMUM_WAIT_OBJECTS) m_dwCount = 0;
    m_pHandleArray = new HANDLE[m_dwCount ? m_dwCount : 1];
    m_bLockedArray = new BOOL[m_dwCount ? m_dwCount : 1];
    for (DWORD i = 0; i < m_dwCount; ++i) {
        ASSERT(!ppObjects[i]->IsKindOf(RUNTIME_CLASS(CCriticalSection)));
        m_pHandleArray[i] = ppObjects[i]->m_hObject;
        m_bLockedArray[i] = FALSE;
    }
    if (bInitialLock) Lock();
}

CMultiLock::~CMultiLock() {
    Unlock();
    delete[] m_pHandleArray;
    delete[] m_bLockedArray;
}

DWORD CMultiLock::Lock(DWORD dwTimeOut, BOOL bWaitForAll, DWORD dwWakeMask) {
    if (m_dwCount == 0) return WAIT_FAILED;
    DWORD dwResult = dwWakeMask == 0
                         ? ::WaitForMultipleObjects(m_dwCount, m_pHandleArray, bWaitForAll, dwTimeOut)
                         : ::MsgWaitForMultipleObjects(m_dwCount, m_pHandleArray, bWaitForAll, dwTimeOut, dwWakeMask);
    DWORD dwUpperBound = WAIT_OBJECT_0 + m_dwCount;
    if (dwResult >= WAIT_OBJECT_0 && dwResult < dwUpperBound) {
        if (bWaitForAll) {
            for (DWORD i = 0; i < m_dwCount; ++i) m_bLockedArray[i] = TRUE;
        } else {
            m_bLockedArray[dwResult - WAIT_OBJECT_0] = TRUE;
        }
    } else if (dwResult >= WAIT_ABANDONED_0 && dwResult < WAIT_ABANDONED_0 + m_dwCount) {
        m_bLockedArray[dwResult - WAIT_ABANDONED_0] = TRUE;
    }
    return dwResult;
}

BOOL CMultiLock::Unlock() {
    for (DWORD i = 0; i < m_dwCount; ++i)
        if (m_bLockedArray[i]) m_bLockedArray[i] = !m_ppObjectArray[i]->Unlock();
    return TRUE;
}

BOOL CMultiLock::Unlock(LONG lCount, LPLONG lPrevCount) {
    BOOL bGotOne = FALSE;
    for (DWORD i = 0; i < m_dwCount; ++i) {
        if (m_bLockedArray[i]) {
            CSemaphore* pSemaphore = DYNAMIC_DOWNCAST(CSemaphore, m_ppObjectArray[i]);
            if (pSemaphore != nullptr) {
                bGotOne = TRUE;
                m_bLockedArray[i] = !m_ppObjectArray[i]->Unlock(lCount, lPrevCount);
            }
        }
    }
    return bGotOne;
}

BOOL CMultiLock::IsLocked(DWORD dwItem) {
    ASSERT(dwItem < m_dwCount);
    return dwItem < m_dwCount && m_bLockedArray[dwItem];
}
