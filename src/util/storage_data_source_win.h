// A data object that offers one storage under one clipboard format, for
// handing a compound file to the OLE clipboard.
#pragma once

#include <objbase.h>

// Returns a new data object with one reference, holding a reference to pStg.
IDataObject* KXCreateStorageDataSource(CLIPFORMAT cfFormat, IStorage* pStg);
