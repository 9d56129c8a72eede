#include "util/clipboard.h"

#include "util/storage_data_source_win.h"
#include "util/stream_file.h"

#include <ole2.h>

namespace {

constexpr DWORD kTempDocfileMode = STGM_DELETEONRELEASE | STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE;
const char kContents[] = "Contents";

WORD RegisterFormat(LPCTSTR lpszFormat) {
    return lpszFormat ? static_cast<WORD>(::RegisterClipboardFormatA(lpszFormat)) : 0;
}

}  // namespace

void CKXClipboard::SerializeClipboard(CArchive&) {}

BOOL CKXClipboard::SaveClipboard(LPCTSTR lpszName, IStorage* pStg) {
    return kxstream::SaveToStream(lpszName, pStg, [this](CArchive& ar) { SerializeClipboard(ar); });
}

BOOL CKXClipboard::LoadClipboard(LPCTSTR lpszName, IStorage* pStg) {
    return kxstream::LoadFromStream(lpszName, pStg, [this](CArchive& ar) { SerializeClipboard(ar); });
}

BOOL CKXClipboard::CopyDataToClipboard(WORD wFormat) {
    if (wFormat == 0) return FALSE;
    IStorage* pStg = nullptr;
    if (FAILED(::StgCreateDocfile(nullptr, kTempDocfileMode, 0, &pStg)) || pStg == nullptr) return FALSE;
    BOOL ok = SaveClipboard(kContents, pStg);
    if (ok) {
        IDataObject* pSource = KXCreateStorageDataSource(wFormat, pStg);
        ok = pSource != nullptr && SUCCEEDED(::OleSetClipboard(pSource));
        if (pSource) pSource->Release();
    }
    pStg->Release();  // the data source keeps it while it is on the clipboard
    return ok;
}

BOOL CKXClipboard::CopyDataFromClipboard(WORD wFormat) {
    // Released on every way out, an archive exception from malformed data included.
    struct Held {
        IDataObject* pData = nullptr;
        STGMEDIUM medium = {};
        ~Held() {
            if (medium.tymed != TYMED_NULL) ::ReleaseStgMedium(&medium);
            if (pData) pData->Release();
        }
    } held;
    if (wFormat != 0 && SUCCEEDED(::OleGetClipboard(&held.pData)) && held.pData != nullptr) {
        FORMATETC fmt = {wFormat, nullptr, DVASPECT_CONTENT, -1, TYMED_ISTORAGE};
        if (held.pData->QueryGetData(&fmt) == S_OK && SUCCEEDED(held.pData->GetData(&fmt, &held.medium)) &&
            held.medium.tymed == TYMED_ISTORAGE && held.medium.pstg != nullptr &&
            LoadClipboard(kContents, held.medium.pstg))
            return TRUE;
    }
    ::MessageBeep(MB_ICONASTERISK);
    return FALSE;
}

BOOL CKXClipboard::CopyDataToClipboard(LPCTSTR lpszFormat) { return CopyDataToClipboard(RegisterFormat(lpszFormat)); }

BOOL CKXClipboard::CopyDataFromClipboard(LPCTSTR lpszFormat) {
    return CopyDataFromClipboard(RegisterFormat(lpszFormat));
}

BOOL CKXClipboard::IsClipboardAvailable(WORD wFormat) { return ::IsClipboardFormatAvailable(wFormat); }

BOOL CKXClipboard::IsClipboardAvailable(LPCTSTR lpszFormat) {
    WORD wFormat = RegisterFormat(lpszFormat);
    return wFormat != 0 && ::IsClipboardFormatAvailable(wFormat);
}
