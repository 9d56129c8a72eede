// The pages of the gallery, in the order of the list.  Each page_*.cpp
// defines the function that creates its page; a new page adds its file, the
// declaration of that function and its line in the table.
#include "gallery_page.h"

CGalleryPage* CreateControlsPage();
CGalleryPage* CreateDialogPage();
CGalleryPage* CreateOwnerDrawnButtonPage();
CGalleryPage* CreateEvaluatorPage();
CGalleryPage* CreateDataPage();
CGalleryPage* CreateLookPage();
CGalleryPage* CreateDrawingPage();
CGalleryPage* CreateMenuPage();
CGalleryPage* CreateEditsPage();
CGalleryPage* CreateHexEditPage();
CGalleryPage* CreateFlatTabsPage();
CGalleryPage* CreateOutBarPage();
CGalleryPage* CreatePropertyGridViewPage();
CGalleryPage* CreatePropertyGridPage();
CGalleryPage* CreateColoursPage();
CGalleryPage* CreateDockingPage();
CGalleryPage* CreateCombosPage();
CGalleryPage* CreateToolbarsPage();

const GalleryPageFactory g_galleryPages[] = {
    CreateControlsPage,
    CreateDialogPage,
    CreateOwnerDrawnButtonPage,
    CreateEvaluatorPage,
    CreateDataPage,
    CreateLookPage,
    CreateDrawingPage,
    CreateMenuPage,
    CreateEditsPage,
    CreateHexEditPage,
    CreateCombosPage,
    CreateFlatTabsPage,
    CreateOutBarPage,
    CreatePropertyGridViewPage,
    CreatePropertyGridPage,
    CreateColoursPage,
    CreateDockingPage,
    CreateToolbarsPage,
};

const int g_nGalleryPages = static_cast<int>(sizeof g_galleryPages / sizeof g_galleryPages[0]);
