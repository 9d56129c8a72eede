// CDockState through the application's profile (registry or INI file).
#include "base/dock_state.h"
#include "win/winapp.h"

namespace {

class CAppProfileStore : public CDockStateStore {
public:
    explicit CAppProfileStore(CWinApp* pApp) : m_pApp(pApp) {}
    int GetInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault) override {
        return static_cast<int>(m_pApp->GetProfileInt(lpszSection, lpszEntry, nDefault));
    }
    void WriteInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue) override {
        m_pApp->WriteProfileInt(lpszSection, lpszEntry, nValue);
    }
    void DeleteSection(LPCTSTR lpszSection) override { m_pApp->WriteProfileString(lpszSection, nullptr, nullptr); }

private:
    CWinApp* m_pApp;
};

}  // namespace

void CDockState::SaveState(LPCTSTR lpszProfileName) const {
    CWinApp* pApp = AfxGetApp();
    ASSERT(pApp != nullptr && lpszProfileName != nullptr);
    if (pApp == nullptr || lpszProfileName == nullptr) return;
    CAppProfileStore store(pApp);
    SaveState(store, lpszProfileName);
}

void CDockState::LoadState(LPCTSTR lpszProfileName) {
    CWinApp* pApp = AfxGetApp();
    ASSERT(pApp != nullptr && lpszProfileName != nullptr);
    if (pApp == nullptr || lpszProfileName == nullptr) return;
    CAppProfileStore store(pApp);
    LoadState(store, lpszProfileName);
}
