// The pages of the gallery, in the order of the list.  Each page file
// defines the function that creates its page; a new page adds its file and
// one line below.
#include "gallery_page.h"

CGalleryPage* CreateControlsPage();
CGalleryPage* CreateDialogPage();
CGalleryPage* CreateOwnerDrawnButtonPage();
CGalleryPage* CreateEvaluatorPage();

const GalleryPageFactory g_galleryPages[] = {
    CreateControlsPage,
    CreateDialogPage,
    CreateOwnerDrawnButtonPage,
    CreateEvaluatorPage,
};

const int g_nGalleryPages = static_cast<int>(sizeof g_galleryPages / sizeof g_galleryPages[0]);
