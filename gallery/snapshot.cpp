#include "snapshot.h"

#include <objbase.h>
#include <wincodec.h>

#include <vector>

namespace {

// A top-down 32-bit DIB section selected into a memory DC.
class CDibCapture {
public:
    CDibCapture(int cx, int cy) : m_cx(cx), m_cy(cy) {
        BITMAPINFO bmi = {};
        bmi.bmiHeader.biSize = sizeof bmi.bmiHeader;
        bmi.bmiHeader.biWidth = cx;
        bmi.bmiHeader.biHeight = -cy;
        bmi.bmiHeader.biPlanes = 1;
        bmi.bmiHeader.biBitCount = 32;
        bmi.bmiHeader.biCompression = BI_RGB;
        m_hBitmap = ::CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &m_pBits, nullptr, 0);
        m_hDC = ::CreateCompatibleDC(nullptr);
        if (m_hBitmap && m_hDC) m_hOld = ::SelectObject(m_hDC, m_hBitmap);
    }
    ~CDibCapture() {
        if (m_hOld) ::SelectObject(m_hDC, m_hOld);
        if (m_hDC) ::DeleteDC(m_hDC);
        if (m_hBitmap) ::DeleteObject(m_hBitmap);
    }
    CDibCapture(const CDibCapture&) = delete;
    CDibCapture& operator=(const CDibCapture&) = delete;

    bool IsValid() const { return m_hOld != nullptr && m_pBits != nullptr; }
    HDC GetDC() const { return m_hDC; }
    // The pixels as 24-bit BGR rows padded to 4 bytes (GDI leaves alpha undefined).
    std::vector<BYTE> GetBgrRows(UINT& nStride) const {
        ::GdiFlush();
        nStride = (static_cast<UINT>(m_cx) * 3 + 3) & ~3u;
        std::vector<BYTE> rows(static_cast<size_t>(nStride) * static_cast<size_t>(m_cy));
        const DWORD* pSrc = static_cast<const DWORD*>(m_pBits);
        for (int y = 0; y < m_cy; ++y) {
            BYTE* pOut = rows.data() + static_cast<size_t>(y) * nStride;
            for (int x = 0; x < m_cx; ++x) {
                const DWORD p = *pSrc++;
                *pOut++ = static_cast<BYTE>(p);
                *pOut++ = static_cast<BYTE>(p >> 8);
                *pOut++ = static_cast<BYTE>(p >> 16);
            }
        }
        return rows;
    }

private:
    int m_cx, m_cy;
    HBITMAP m_hBitmap = nullptr;
    HDC m_hDC = nullptr;
    HGDIOBJ m_hOld = nullptr;
    void* m_pBits = nullptr;
};

// Releases a COM interface when it goes out of scope.
template <class T>
class CComRef {
public:
    CComRef() = default;
    ~CComRef() {
        if (m_p) m_p->Release();
    }
    CComRef(const CComRef&) = delete;
    CComRef& operator=(const CComRef&) = delete;
    T** operator&() { return &m_p; }
    T* operator->() const { return m_p; }
    T* Get() const { return m_p; }

private:
    T* m_p = nullptr;
};

BOOL WritePng(LPCTSTR lpszPath, UINT cx, UINT cy, UINT nStride, std::vector<BYTE>& rows) {
    const int nWide = ::MultiByteToWideChar(CP_ACP, 0, lpszPath, -1, nullptr, 0);
    if (nWide <= 0) return FALSE;
    std::vector<WCHAR> widePath(static_cast<size_t>(nWide));
    ::MultiByteToWideChar(CP_ACP, 0, lpszPath, -1, widePath.data(), nWide);

    CComRef<IWICImagingFactory> factory;
    CComRef<IWICStream> stream;
    CComRef<IWICBitmapEncoder> encoder;
    CComRef<IWICBitmapFrameEncode> frame;
    if (FAILED(::CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                  reinterpret_cast<void**>(&factory))) ||
        FAILED(factory->CreateStream(&stream)) ||
        FAILED(stream->InitializeFromFilename(widePath.data(), GENERIC_WRITE)) ||
        FAILED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder)) ||
        FAILED(encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache)) ||
        FAILED(encoder->CreateNewFrame(&frame, nullptr)) || FAILED(frame->Initialize(nullptr)) ||
        FAILED(frame->SetSize(cx, cy)))
        return FALSE;
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    if (FAILED(frame->SetPixelFormat(&format)) || !IsEqualGUID(format, GUID_WICPixelFormat24bppBGR)) return FALSE;
    return SUCCEEDED(frame->WritePixels(cy, nStride, static_cast<UINT>(rows.size()), rows.data())) &&
           SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
}

}  // namespace

namespace {

// Copies what pWnd's client area shows, child controls included, from its
// DC, and the popup window over it where it lies.  (PrintWindow would only
// reach windows that paint for WM_PRINTCLIENT, which not every control
// does.)  The caller has painted the window and keeps it above any other.
BOOL SaveComposite(CWnd* pWnd, HWND hPopup, LPCTSTR lpszPath) {
    if (pWnd == nullptr || !::IsWindow(pWnd->GetSafeHwnd())) return FALSE;
    CRect rcClient;
    pWnd->GetClientRect(&rcClient);
    if (rcClient.IsRectEmpty()) return FALSE;
    CDibCapture dib(rcClient.Width(), rcClient.Height());
    if (!dib.IsValid()) return FALSE;
    HDC hClientDC = ::GetDC(pWnd->m_hWnd);
    if (hClientDC == nullptr) return FALSE;
    BOOL bCopied =
        ::BitBlt(dib.GetDC(), 0, 0, rcClient.Width(), rcClient.Height(), hClientDC, 0, 0, SRCCOPY);
    ::ReleaseDC(pWnd->m_hWnd, hClientDC);
    if (bCopied && hPopup != nullptr) {
        CRect rcPopup;
        ::GetWindowRect(hPopup, &rcPopup);
        pWnd->ScreenToClient(&rcPopup);
        HDC hPopupDC = ::GetWindowDC(hPopup);
        bCopied = hPopupDC != nullptr && ::BitBlt(dib.GetDC(), rcPopup.left, rcPopup.top, rcPopup.Width(),
                                                  rcPopup.Height(), hPopupDC, 0, 0, SRCCOPY);
        if (hPopupDC) ::ReleaseDC(hPopup, hPopupDC);
    }
    if (!bCopied) return FALSE;

    UINT nStride = 0;
    std::vector<BYTE> rows = dib.GetBgrRows(nStride);
    return WritePng(lpszPath, static_cast<UINT>(rcClient.Width()), static_cast<UINT>(rcClient.Height()), nStride,
                    rows);
}

BOOL CALLBACK FindPopupMenuProc(HWND hWnd, LPARAM lParam) {
    char szClass[16] = {};
    ::GetClassNameA(hWnd, szClass, sizeof szClass);
    if (lstrcmpA(szClass, "#32768") != 0 || !::IsWindowVisible(hWnd)) return TRUE;
    *reinterpret_cast<HWND*>(lParam) = hWnd;
    return FALSE;
}

// The visible popup-menu window of this thread (class "#32768").
HWND FindPopupMenu() {
    HWND hPopup = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), FindPopupMenuProc, reinterpret_cast<LPARAM>(&hPopup));
    return hPopup;
}

// What the timer inside the menu's loop works on.
struct MenuShot {
    CWnd* pWnd;
    LPCTSTR lpszPath;
    DWORD dwDeadline;
    int nSeen;       // ticks since the popup showed
    BOOL bWritten;
};
MenuShot* g_pMenuShot = nullptr;

void CALLBACK OnMenuShotTimer(HWND hWnd, UINT, UINT_PTR nID, DWORD) {
    MenuShot* pShot = g_pMenuShot;
    if (pShot == nullptr) return;
    if (HWND hPopup = FindPopupMenu()) {
        // Give the popup a few ticks to measure and draw its items.
        if (++pShot->nSeen < 4) return;
        ::UpdateWindow(hPopup);
        pShot->pWnd->UpdateWindow();
        pShot->bWritten = SaveComposite(pShot->pWnd, hPopup, pShot->lpszPath);
    } else if (::GetTickCount() < pShot->dwDeadline) {
        return;
    }
    ::KillTimer(hWnd, nID);
    ::EndMenu();
}

}  // namespace

BOOL SaveWindowPng(CWnd* pWnd, LPCTSTR lpszPath) { return SaveComposite(pWnd, nullptr, lpszPath); }

BOOL SaveWindowPngWithMenu(CWnd* pWnd, LPCTSTR lpszPath, const std::function<void()>& openMenu) {
    if (pWnd == nullptr || !::IsWindow(pWnd->GetSafeHwnd())) return FALSE;
    MenuShot shot = {pWnd, lpszPath, ::GetTickCount() + 3000, 0, FALSE};
    g_pMenuShot = &shot;
    const UINT_PTR nTimer = ::SetTimer(pWnd->m_hWnd, 0x4B53, 50, OnMenuShotTimer);
    openMenu();
    ::KillTimer(pWnd->m_hWnd, nTimer);
    g_pMenuShot = nullptr;
    return shot.bWritten;
}

BOOL SaveWindowPngWithPopup(CWnd* pWnd, HWND hPopup, LPCTSTR lpszPath) { return SaveComposite(pWnd, hPopup, lpszPath); }
