// NoteDoc.cpp : a text note: the edit view's text, saved as it is.
#include "stdafx.h"

#include "NoteDoc.h"

IMPLEMENT_DYNCREATE(CNoteDoc, CDocument)

void CNoteDoc::Serialize(CArchive& ar) {
    // The edit view holds the text.
    POSITION pos = GetFirstViewPosition();
    if (CEditView* pView = static_cast<CEditView*>(GetNextView(pos))) pView->SerializeRaw(ar);
}
