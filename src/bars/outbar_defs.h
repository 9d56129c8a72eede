// The outlook bar's constants and its notification record: behaviour flags,
// image-list selectors, folder-button looks, hit codes and notification
// codes, shared by the bar, its variants and the application.
#pragma once

#include "base/wintypes.h"

// WM_USER + 2519: sent to the bar's owner with a notification code as the
// first parameter and the address of a KX_OUTBAR_INFO record as the second.
#define WM_OUTBAR_NOTIFY 0x0DD7

// Behaviour flags (CKXOutBarCtrl::ModifyFlag, GetFlag).  0x0002 and 0x0040
// are not read; 0x0040 is part of the default all the same.
#define OUTBAR_SMALLICONS 0x0001      // new folders and IsSmallIconView(-1) show small icons
#define OUTBAR_RENAMEFOLDERS 0x0004   // the folder context menu offers renaming
#define OUTBAR_RENAMEITEMS 0x0008     // the item context menu offers renaming
#define OUTBAR_REMOVEFOLDERS 0x0010   // the folder context menu offers removal
#define OUTBAR_REMOVEITEMS 0x0020     // the item context menu offers removal
#define OUTBAR_DRAGITEMS 0x0080       // items may be dragged to a new position
#define OUTBAR_DROPONFOLDERS 0x0100   // a dragged item may be dropped on another folder's button
#define OUTBAR_ANIMATEFOLDERS 0x0200  // changing the folder slides the content
#define OUTBAR_SHOWSELECTION 0x0400   // the selected item keeps a sunken frame and is not hot-tracked
#define OUTBAR_DEFAULTFLAGS 0x00FC

// Image-list selectors; with both bits the small list is meant.
#define OUTBAR_IMAGE_SMALL 1
#define OUTBAR_IMAGE_LARGE 2

// Looks of a folder button.
enum eFOLDER_HILIGHT { FOLDER_NORMAL = 0, FOLDER_PUSHED = 1, FOLDER_HOT = 2 };

// What a point of the bar is over (HitTestEx).
#define OBHT_NOWHERE (-1)
#define OBHT_FOLDER 0
#define OBHT_ITEM 1
#define OBHT_SCROLLUP 2
#define OBHT_SCROLLDOWN 3

// Notification codes.  Where the owner is asked for permission, a reply of
// exactly 1 allows; any other reply cancels.
#define OBN_ITEMCLICK 1      // 1: the bar selects the clicked item
#define OBN_ITEMRENAMED 2    // non-zero: the new text is applied
#define OBN_FOLDERRENAMED 3  // non-zero: the new text is applied
#define OBN_ITEMMOVED 4      // 1: the move is made
#define OBN_FOLDERCHANGE 5   // 1: SetSelFolder changes the folder
#define OBN_ITEMHOVER 6      // 1: the item is drawn hot
#define OBN_ITEMDELETE 7     // 1: RemoveItem removes it (ignored elsewhere)
#define OBN_FOLDERDELETE 8   // 1: RemoveFolder removes it (ignored at destruction)
#define OBN_BEGINDRAG 9      // reply ignored
#define OBN_CONTEXTMENU 10   // 1: the context menu is shown

// The record whose address a notification carries; valid during the call.
struct KX_OUTBAR_INFO {
    int nIndex;       // the folder or item concerned
    int nDragFrom;    // source position of a move, else -1
    int nDragTo;      // target position of a move, else -1
    int nFolderFrom;  // source folder of a move, else -1
    int nFolderTo;    // target folder of a move, else -1
    bool bFolder;     // the record concerns a folder
    LPCTSTR lpszText; // caption of the folder or item; for a rename the new text
};
