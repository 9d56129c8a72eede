//{{NO_DEPENDENCIES}}
// Microsoft Visual C++ generated include file.
// Used by Inventory.rc
//
#define IDM_ABOUTBOX                    0x0010
#define IDD_ABOUTBOX                    100
#define IDS_ABOUTBOX                    101
#define IDD_INVENTORY_DIALOG            102
#define IDS_SUMMARY                     103
#define IDS_NO_ITEMS                    104
#define IDR_MAINFRAME                   128
#define IDD_ITEM                        129
#define IDC_ITEMS                       1000
#define IDC_SUMMARY                     1001
#define IDC_NAME                        1002
#define IDC_QUANTITY                    1003
#define IDC_FRAGILE                     1004
#define IDC_CAT_TOOL                    1005
#define IDC_CAT_PART                    1006
#define IDC_CAT_SUPPLY                  1007
#define IDC_LOCATION                    1008
#define ID_ITEM_ADD                     32771
#define ID_ITEM_PROPERTIES              32772
#define ID_VIEW_SORTBYNAME              32773

// Next default values for new objects
//
#ifdef APSTUDIO_INVOKED
#ifndef APSTUDIO_READONLY_SYMBOLS
#define _APS_NEXT_RESOURCE_VALUE        130
#define _APS_NEXT_COMMAND_VALUE         32774
#define _APS_NEXT_CONTROL_VALUE         1009
#define _APS_NEXT_SYMED_VALUE           101
#endif
#endif
