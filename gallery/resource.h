// Resource identifiers of the gallery (gallery.rc).
#pragma once

#define IDD_PERSON_FORM 100

#define IDC_NAME 1001
#define IDC_AGE 1002
#define IDC_APPLY 1003
#define IDC_RESET 1004
#define IDC_GREETING 1005

// The browse edit's menu on the "Combos and browse edits" page.
#define IDR_BROWSE_MENU 200
#define ID_BROWSE_NAME 201
#define ID_BROWSE_DATE 202
#define ID_BROWSE_PAGE 203
