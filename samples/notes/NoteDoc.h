// NoteDoc.h : a text note, kept by its edit view.
#pragma once

class CNoteDoc : public CDocument {
    DECLARE_DYNCREATE(CNoteDoc)
public:
    void Serialize(CArchive& ar) override;
};
