// "Data": the data helpers at work.  A small settings form is saved to and
// loaded from the registry or an INI file, with the stored text or bytes
// shown raw; the same settings go through the clipboard as a structured
// record; and the version resource of KX.dll is read back.
#include "gallery_page.h"
#include "util/clipboard.h"
#include "util/registry.h"
#include "util/registry_manager.h"
#include "util/version_info.h"

#include <ole2.h>

#include <cstdlib>

namespace {

enum : UINT {
    IDC_REGISTRY = 100,
    IDC_INI,
    IDC_NAME,
    IDC_COUNT,
    IDC_COLOUR,
    IDC_ENABLED,
    IDC_SAVE,
    IDC_LOAD,
    IDC_COPY,
    IDC_PASTE,
};

const char kSection[] = "Data";
const char kClipboardFormat[] = "KX Gallery Settings";

// The form's values; also the record that goes through the clipboard.
class CSettingsRecord : public CKXClipboard {
public:
    CString m_strName = "Outlook bar";
    int m_nCount = 12;
    COLORREF m_crColour = RGB(0x31, 0x6A, 0xC5);
    BOOL m_bEnabled = TRUE;
    CRect m_rcWindow = CRect(10, 20, 410, 320);

    void SerializeClipboard(CArchive& ar) override {
        if (ar.IsStoring())
            ar << m_strName << m_nCount << static_cast<DWORD>(m_crColour) << m_bEnabled << m_rcWindow.left
               << m_rcWindow.top << m_rcWindow.right << m_rcWindow.bottom;
        else {
            DWORD crColour = 0;
            ar >> m_strName >> m_nCount >> crColour >> m_bEnabled >> m_rcWindow.left >> m_rcWindow.top >>
                m_rcWindow.right >> m_rcWindow.bottom;
            m_crColour = crColour;
        }
    }
};

CString HexBytes(const BYTE* p, DWORD n) {
    CString s;
    for (DWORD i = 0; i < n; ++i) s.AppendFormat(i ? " %02X" : "%02X", p[i]);
    return s;
}

LPCTSTR TypeName(DWORD dwType) {
    switch (dwType) {
    case REG_SZ: return "REG_SZ";
    case REG_DWORD: return "REG_DWORD";
    case REG_BINARY: return "REG_BINARY";
    default: return "other";
    }
}

class CDataPage : public CGalleryPage {
public:
    CDataPage() : CGalleryPage("Data") {}
    ~CDataPage() override {
        if (m_bOle) ::OleUninitialize();
    }
    void PrepareSnapshot() override { OnSave(); }

protected:
    BOOL CreateControls() override;
    void OnStoreChange();
    void OnSave();
    void OnLoad();
    void OnCopy();
    void OnPaste();

private:
    void ToForm(const CSettingsRecord& r);
    void FromForm(CSettingsRecord& r) const;
    void ShowRaw();
    void ShowVersion();
    BOOL UseIni() const { return m_wndIni.GetCheck() == BST_CHECKED; }
    CString IniPath() const;
    void Status(LPCTSTR lpszText) { m_wndStatus.SetWindowText(lpszText); }

    CButton m_wndRegistry, m_wndIni, m_wndEnabled, m_wndButtons[4];
    CStatic m_wndLabels[4], m_wndStatus, m_wndVersion;
    CEdit m_wndName, m_wndCount, m_wndColour, m_wndRaw;
    BOOL m_bOle = FALSE;

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDataPage, CGalleryPage)
    ON_BN_CLICKED(IDC_REGISTRY, OnStoreChange)
    ON_BN_CLICKED(IDC_INI, OnStoreChange)
    ON_BN_CLICKED(IDC_SAVE, OnSave)
    ON_BN_CLICKED(IDC_LOAD, OnLoad)
    ON_BN_CLICKED(IDC_COPY, OnCopy)
    ON_BN_CLICKED(IDC_PASTE, OnPaste)
END_MESSAGE_MAP()

BOOL CDataPage::CreateControls() {
    // The registry store lives under the application's key.
    CWinApp* pApp = AfxGetApp();
    if (pApp && pApp->m_pszRegistryKey == nullptr) pApp->SetRegistryKey("KX Gallery");
    m_bOle = SUCCEEDED(::OleInitialize(nullptr));

    const DWORD dwChild = WS_CHILD | WS_VISIBLE;
    m_wndLabels[0].Create("Store:", dwChild | SS_CENTERIMAGE, CRect(8, 4, 90, 26), this);
    m_wndRegistry.Create("Registry", dwChild | WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON, CRect(92, 4, 200, 26), this,
                         IDC_REGISTRY);
    m_wndIni.Create("INI file", dwChild | BS_AUTORADIOBUTTON, CRect(204, 4, 320, 26), this, IDC_INI);
    m_wndRegistry.SetCheck(BST_CHECKED);

    m_wndLabels[1].Create("Name:", dwChild | SS_CENTERIMAGE, CRect(8, 32, 90, 56), this);
    m_wndName.CreateEx(WS_EX_CLIENTEDGE, "EDIT", "", dwChild | WS_TABSTOP | ES_AUTOHSCROLL, CRect(92, 32, 300, 56),
                       this, IDC_NAME);
    m_wndLabels[2].Create("Count:", dwChild | SS_CENTERIMAGE, CRect(312, 32, 370, 56), this);
    m_wndCount.CreateEx(WS_EX_CLIENTEDGE, "EDIT", "", dwChild | WS_TABSTOP | ES_NUMBER, CRect(372, 32, 430, 56), this,
                        IDC_COUNT);
    m_wndLabels[3].Create("Colour:", dwChild | SS_CENTERIMAGE, CRect(442, 32, 500, 56), this);
    m_wndColour.CreateEx(WS_EX_CLIENTEDGE, "EDIT", "", dwChild | WS_TABSTOP, CRect(502, 32, 580, 56), this,
                         IDC_COLOUR);
    m_wndEnabled.Create("Enabled", dwChild | WS_TABSTOP | BS_AUTOCHECKBOX, CRect(592, 32, 700, 56), this,
                        IDC_ENABLED);

    const LPCTSTR kButtons[4] = {"Save", "Load", "Copy record", "Paste record"};
    for (int i = 0; i < 4; ++i)
        m_wndButtons[i].Create(kButtons[i], dwChild | WS_TABSTOP | BS_PUSHBUTTON,
                               CRect(8 + i * 116, 64, 116 + i * 116, 90), this, IDC_SAVE + i);
    m_wndStatus.Create("", dwChild | SS_CENTERIMAGE, CRect(480, 64, 700, 90), this);

    m_wndRaw.CreateEx(WS_EX_CLIENTEDGE, "EDIT", "",
                      dwChild | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOHSCROLL,
                      CRect(8, 98, 700, 300), this, 0);
    m_wndRaw.SetFont(&GalleryFixedFont());
    m_wndVersion.Create("", dwChild, CRect(8, 310, 700, 450), this);
    m_wndVersion.SetFont(&GalleryFixedFont());

    ToForm(CSettingsRecord());
    ShowRaw();
    ShowVersion();
    return TRUE;
}

CString CDataPage::IniPath() const {
    char dir[MAX_PATH];
    ::GetTempPathA(MAX_PATH, dir);
    return CString(dir) + "kx_gallery_data.ini";
}

void CDataPage::ToForm(const CSettingsRecord& r) {
    CString s;
    m_wndName.SetWindowText(r.m_strName);
    s.Format("%d", r.m_nCount);
    m_wndCount.SetWindowText(s);
    s.Format("%06X", static_cast<unsigned>(r.m_crColour));
    m_wndColour.SetWindowText(s);
    m_wndEnabled.SetCheck(r.m_bEnabled ? BST_CHECKED : BST_UNCHECKED);
}

void CDataPage::FromForm(CSettingsRecord& r) const {
    CString s;
    m_wndName.GetWindowText(r.m_strName);
    m_wndCount.GetWindowText(s);
    r.m_nCount = atoi(s);
    m_wndColour.GetWindowText(s);
    r.m_crColour = static_cast<COLORREF>(strtoul(s, nullptr, 16));
    r.m_bEnabled = m_wndEnabled.GetCheck() == BST_CHECKED;
}

void CDataPage::OnStoreChange() { ShowRaw(); }

void CDataPage::OnSave() {
    CSettingsRecord r;
    FromForm(r);
    CKXRegistryManager m;
    if (UseIni()) m.SetINIFileName(IniPath());
    BOOL ok = m.WriteProfileString(kSection, "Name", r.m_strName) && m.WriteProfileInt(kSection, "Count", r.m_nCount) &&
              m.WriteProfileColor(kSection, "Colour", r.m_crColour) &&
              m.WriteProfileInt(kSection, "Enabled", r.m_bEnabled) &&
              m.WriteProfileRect(kSection, "Window", &r.m_rcWindow);
    Status(ok ? "Saved." : "Saving failed.");
    ShowRaw();
}

void CDataPage::OnLoad() {
    CSettingsRecord r;
    CKXRegistryManager m;
    if (UseIni()) m.SetINIFileName(IniPath());
    r.m_strName = m.GetProfileString(kSection, "Name", r.m_strName);
    r.m_nCount = static_cast<int>(m.GetProfileInt(kSection, "Count", r.m_nCount));
    m.GetProfileColor(kSection, "Colour", &r.m_crColour);
    r.m_bEnabled = static_cast<BOOL>(m.GetProfileInt(kSection, "Enabled", r.m_bEnabled));
    m.GetProfileRect(kSection, "Window", &r.m_rcWindow);
    ToForm(r);
    Status("Loaded.");
}

void CDataPage::OnCopy() {
    CSettingsRecord r;
    FromForm(r);
    Status(r.CopyDataToClipboard(kClipboardFormat) ? "Copied to the clipboard." : "Copying failed.");
}

void CDataPage::OnPaste() {
    CSettingsRecord r;
    if (r.CopyDataFromClipboard(kClipboardFormat)) {
        ToForm(r);
        Status("Pasted from the clipboard.");
    } else {
        Status("No settings record on the clipboard.");
    }
}

void CDataPage::ShowRaw() {
    CString text;
    if (UseIni()) {
        text = "INI file " + IniPath() + "\r\n\r\n";
        CFile file;
        if (file.Open(IniPath(), CFile::modeRead | CFile::shareDenyNone)) {
            const UINT n = static_cast<UINT>(file.GetLength() < 16384 ? file.GetLength() : 16384);
            CString body;
            file.Read(body.GetBuffer(static_cast<int>(n)), n);
            body.ReleaseBuffer(static_cast<int>(n));
            text += body;
        } else {
            text += "(not written yet)";
        }
    } else {
        text = "HKEY_CURRENT_USER\\Software\\KX Gallery\\KX Gallery\\Data\r\n\r\n";
        CKXRegistry reg;
        CStringArray names;
        if (reg.OpenKey(HKEY_CURRENT_USER, "Software\\KX Gallery\\KX Gallery\\Data") &&
            reg.EnumValues(nullptr, &names) > 0) {
            for (INT_PTR i = 0; i < names.GetSize(); ++i) {
                HKEY h = reg.GetRootKey();
                DWORD type = 0;
                BYTE data[256];
                DWORD size = sizeof data;
                if (::RegQueryValueExA(h, names[i], nullptr, &type, data, &size) != ERROR_SUCCESS) continue;
                CString line;
                line.Format("%-8s %-10s %2lu  ", names[i].GetString(), TypeName(type), static_cast<unsigned long>(size));
                line += type == REG_SZ ? "\"" + CString(reinterpret_cast<const char*>(data)) + "\"" : HexBytes(data, size);
                text += line + "\r\n";
            }
        } else {
            text += "(not written yet)";
        }
    }
    m_wndRaw.SetWindowText(text);
}

void CDataPage::ShowVersion() {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(::GetModuleHandleA("KX.dll"), path, MAX_PATH);
    CKXVersionInfo v;
    CString text;
    if (v.ReadVersionInfo(path)) {
        text.Format("KX.dll version information\n"
                    "  File version     %s   (%s)\n"
                    "  Product version  %s   (%s)\n"
                    "  Description      %s\n"
                    "  OS               %s\n"
                    "  Type             %s\n"
                    "  Language         %04X, code page %u",
                    v.GetFixedFileVersion().GetString(), v.m_strFileVersion.GetString(),
                    v.GetFixedProductVersion().GetString(), v.m_strProductVersion.GetString(),
                    v.m_strFileDescription.GetString(), v.GetFixedFileOS().GetString(),
                    v.GetFixedFileType().GetString(), v.m_wLang, v.m_wCharset);
    } else {
        text = "KX.dll has no version information.";
    }
    m_wndVersion.SetWindowText(text);
}

}  // namespace

CGalleryPage* CreateDataPage() { return new CDataPage; }
