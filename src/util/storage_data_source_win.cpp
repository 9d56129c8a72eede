#include "util/storage_data_source_win.h"

#include <shlobj.h>

namespace {

class StorageDataSource final : public IDataObject {
public:
    StorageDataSource(CLIPFORMAT cf, IStorage* pStg) : m_cf(cf), m_pStg(pStg) { m_pStg->AddRef(); }
    virtual ~StorageDataSource() { m_pStg->Release(); }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
        if (ppv == nullptr) return E_POINTER;
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDataObject)) {
            *ppv = static_cast<IDataObject*>(this);
            AddRef();
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&m_nRef)); }
    ULONG STDMETHODCALLTYPE Release() override {
        LONG n = InterlockedDecrement(&m_nRef);
        if (n == 0) delete this;
        return static_cast<ULONG>(n);
    }

    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* pFmt, STGMEDIUM* pMedium) override {
        HRESULT hr = QueryGetData(pFmt);
        if (hr != S_OK || pMedium == nullptr) return hr == S_OK ? E_POINTER : hr;
        pMedium->tymed = TYMED_ISTORAGE;
        pMedium->pstg = m_pStg;
        pMedium->pUnkForRelease = nullptr;
        m_pStg->AddRef();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC* pFmt, STGMEDIUM* pMedium) override {
        HRESULT hr = QueryGetData(pFmt);
        if (hr != S_OK) return hr;
        if (pMedium == nullptr || pMedium->tymed != TYMED_ISTORAGE || pMedium->pstg == nullptr) return DV_E_TYMED;
        return m_pStg->CopyTo(0, nullptr, nullptr, pMedium->pstg);
    }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* pFmt) override {
        if (pFmt == nullptr) return E_POINTER;
        if (pFmt->cfFormat != m_cf) return DV_E_FORMATETC;
        if ((pFmt->tymed & TYMED_ISTORAGE) == 0) return DV_E_TYMED;
        if (pFmt->dwAspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* pOut) override {
        if (pOut) pOut->ptd = nullptr;
        return DATA_S_SAMEFORMATETC;
    }
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD dwDirection, IEnumFORMATETC** ppEnum) override {
        if (ppEnum == nullptr) return E_POINTER;
        *ppEnum = nullptr;
        if (dwDirection != DATADIR_GET) return E_NOTIMPL;
        FORMATETC fmt = {m_cf, nullptr, DVASPECT_CONTENT, -1, TYMED_ISTORAGE};
        return ::SHCreateStdEnumFmtEtc(1, &fmt, ppEnum);
    }
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
        return OLE_E_ADVISENOTSUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

private:
    LONG m_nRef = 1;
    CLIPFORMAT m_cf;
    IStorage* m_pStg;
};

}  // namespace

IDataObject* KXCreateStorageDataSource(CLIPFORMAT cfFormat, IStorage* pStg) {
    if (pStg == nullptr) return nullptr;
    return new StorageDataSource(cfFormat, pStg);
}
