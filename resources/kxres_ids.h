// Identifiers of the resources in KXRes.dll, the library's companion resource
// module.  Plain #defines only: this header is read by the resource compiler
// as well as by C++ code.
#ifndef KX_RESOURCES_KXRES_IDS_H
#define KX_RESOURCES_KXRES_IDS_H

// The editing commands are the framework's standard ones (ID_EDIT_*).
#include "afxres.h"

// Context menus: popup 0 outlook bar, popup 1 edit controls, popup 2 header.
#define IDR_KX_CONTEXT_MENUS            17404

// Toolbars (the bitmap of the same identifier holds one 16x15 image per button).
#define IDR_KX_HEADER_TOOLBAR           17452
#define IDR_KX_EDIT_TOOLBAR             17453
#define IDR_KX_OUTLOOK_TOOLBAR          17454
#define IDR_KX_PROPGRID_TOOLBAR         17455
#define KX_RT_TOOLBAR                   241

// Image strips on magenta.
#define IDB_KX_CAPTION_STRIP            17002   // 16 wide: pin, pin (second), caption button
#define IDB_KX_BROWSE_STRIP             17010   // 11 wide: folder, file, down, right, browse

// Commands carried by the menus and toolbars, besides the standard ones.
#define ID_KX_OUTBAR_SMALLICON          0xE810
#define ID_KX_OUTBAR_LARGEICON          0xE811
#define ID_KX_HEADER_ALIGN_LEFT         40403
#define ID_KX_HEADER_ALIGN_CENTER       40404
#define ID_KX_HEADER_ALIGN_RIGHT        40405
#define ID_KX_HEADER_SORT_ASC           40500
#define ID_KX_HEADER_SORT_DESC          40501
#define ID_KX_PROPGRID_CATEGORIZED      17800
#define ID_KX_PROPGRID_ALPHABETIC       17801

// Colour dialog pages.
#define IDD_KX_COLOR_STANDARD           17601
#define IDD_KX_COLOR_CUSTOM             17602

// Controls of the custom colour page.  The hue/saturation field and the
// luminance bar are placeholders that the page subclasses and paints.
#define IDC_KX_COLOR_SPECTRUM           17610
#define IDC_KX_COLOR_LUMINANCE          17611
#define IDC_KX_COLOR_HUE                17612
#define IDC_KX_COLOR_SAT                17613
#define IDC_KX_COLOR_LUM                17614
#define IDC_KX_COLOR_RED                17615
#define IDC_KX_COLOR_GREEN              17616
#define IDC_KX_COLOR_BLUE               17617
#define IDC_KX_COLOR_HUE_SPIN           17618
#define IDC_KX_COLOR_SAT_SPIN           17619
#define IDC_KX_COLOR_LUM_SPIN           17620
#define IDC_KX_COLOR_RED_SPIN           17621
#define IDC_KX_COLOR_GREEN_SPIN         17622
#define IDC_KX_COLOR_BLUE_SPIN          17623

// Strings.
#define IDS_KX_OUTBAR_REMOVE_ITEM       18043
#define IDS_KX_OUTBAR_RENAME_ITEM       18044
#define IDS_KX_OUTBAR_REMOVE_FOLDER     18045
#define IDS_KX_OUTBAR_RENAME_FOLDER     18046
#define IDS_KX_TAB_TOOLTIP              19007
#define IDS_KX_BROWSE_DIALOG_TITLE      19009
#define IDS_KX_BROWSE_BUTTON            19011
#define IDS_KX_BROWSE_DEFEXT            19012
#define IDS_KX_BROWSE_FILTER            19013
#define IDS_KX_BROWSE_FOLDER_TITLE      19014
#define IDS_KX_CAPTION_POPUP            19015
#define IDS_KX_COLOR_FIRST              19030   // 19030..19069: the 40-colour grid in order
#define IDS_KX_COLOR_LAST40             19069
#define IDS_KX_COLOR_GRAY               19070   // 19070..19076: the rest of the 16-colour grid
#define IDS_KX_COLOR_MAROON             19071
#define IDS_KX_COLOR_OLIVE              19072
#define IDS_KX_COLOR_NAVY               19073
#define IDS_KX_COLOR_PURPLE             19074
#define IDS_KX_COLOR_SILVER             19075
#define IDS_KX_COLOR_FUCHSIA            19076
#define IDS_KX_COLOR_NOFILL             19077
#define IDS_KX_COLOR_NOFILL_TIP         19078
#define IDS_KX_COLOR_AUTOMATIC          19079
#define IDS_KX_COLOR_AUTOMATIC_TIP      19080
#define IDS_KX_COLOR_MORE               19081
#define IDS_KX_COLOR_MORE_TIP           19082
#define IDS_KX_COLOR_STANDARD_CAPTION   19083
#define IDS_KX_COLOR_NEW                19084   // labels of the colour dialog's swatches
#define IDS_KX_COLOR_CURRENT            19085
#define IDS_KX_COLOR_DIALOG_CAPTION     19088

#endif
