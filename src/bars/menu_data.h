// CKXMenuData: what an owner-drawn menu item carries as its item data: its
// text (wide, tab and accelerator included), its image and its flags.
#pragma once

#include "base/cstring.h"
#include "base/wintypes.h"

class CImageList;

class CKXMenuData {
public:
    CKXMenuData() = default;
    // Deletes the image list and frees the text.
    ~CKXMenuData();
    // Copies the fields as they are: the copy shares the text and the image
    // list with its source, and only one of the two may be destroyed.
    CKXMenuData(const CKXMenuData&) = delete;
    CKXMenuData& operator=(const CKXMenuData& other);

    // A copy of szText (null stores the empty text).
    void SetWideString(const wchar_t* szText);
    const wchar_t* GetWideString() const { return m_pszText; }
    // Converted with the ANSI code page.
    void SetAnsiString(LPCSTR szText);
    CString GetString() const;

    // Drops the image list and marks the item as having no image.
    void FreeImageList();

    wchar_t* m_pszText = nullptr;  // owned
    int m_nImageIndex = -1;        // index in m_pImageList, -1 for none
    int m_nIconSource = -1;        // bitmap resource of the image, 0 from a list, -1 for none
    UINT m_nFlags = 0;             // MF_OWNERDRAW, MF_SEPARATOR, MF_POPUP and the state bits
    UINT_PTR m_nID = 0;            // command, or the sub-menu handle of a popup
    int m_nSync = 0;               // claim mark while the records are matched to the menu
    CImageList* m_pImageList = nullptr;  // owned; images of the menu's icon size
};
