// Resource identifiers of the gallery (gallery.rc).
#pragma once

#define IDD_PERSON_FORM 100

#define IDC_NAME 1001
#define IDC_AGE 1002
#define IDC_APPLY 1003
#define IDC_RESET 1004
#define IDC_GREETING 1005

// The main window's menu, accelerators and commands.
#define IDR_GALLERY 200
#define ID_PAGE_PREV 32771
#define ID_PAGE_NEXT 32772
#define ID_PAGE_CHOOSER 32773  // the combo box in the page toolbar

// The browse edit's menu on the "Combos and browse edits" page.
#define IDR_BROWSE_MENU 210
#define ID_BROWSE_NAME 211
#define ID_BROWSE_DATE 212
#define ID_BROWSE_PAGE 213

// The paste drop-down of the "Toolbars" page.
#define IDR_PASTE_MENU 220
#define ID_PASTE_SPECIAL 221
#define ID_PASTE_TEXT 222
#define ID_FIND_BOX 223
