// CKXMaskModel: the text of a masked edit and what typing, deleting, caret
// movement and the clipboard do to it.
//
// The text has a fixed shape given by three strings of one length: the mask
// (a mask character per slot, see KXMaskAccepts), the literal template (the
// prompt character at each slot, the literal elsewhere) and the text itself
// (at a slot a typed character or the prompt, which means empty).  A position
// is a slot exactly when the template holds the prompt there.  Literals never
// move: inserting or deleting at a slot shifts the characters of the later
// slots only, and a character shifted into a slot that does not accept it
// leaves that slot empty.
//
// The window's side is reached through the protected hooks: the control's
// text and selection, the beep, the clipboard's text, the read-only style,
// the Shift key and the platform edit's own handling of the current key.
// CKXMaskEdit implements them with its window; the tests with a string.
//
// Contract: nothing here trusts the text to match the template.  A text of
// another length (a window text set by hand, "Invalid DateTime") is edited
// at the slots it has and left alone elsewhere; no index leaves a string.
#pragma once

#include "base/cstring.h"

#include <vector>

class CKXMaskModel {
public:
    CKXMaskModel() = default;
    virtual ~CKXMaskModel() = default;
    CKXMaskModel(const CKXMaskModel&) = delete;
    CKXMaskModel& operator=(const CKXMaskModel&) = delete;

    // --- configuration ---------------------------------------------------
    // The mask, the template and the text (the template when lpszDefault is
    // null; null mask or template count as empty).  Clears the modified and
    // undone flags; the text becomes what undo returns to.
    virtual void SetEditMask(LPCTSTR lpszMask, LPCTSTR lpszLiteral, LPCTSTR lpszDefault);
    // Replaces the prompt in the template, the text, the default and the
    // undo texts.  A NUL prompt is refused.
    void SetPromptChar(char ch);
    char GetPromptChar() const { return m_chPrompt; }
    void SetUseMask(bool bUseMask) { m_bUseMask = bUseMask; }
    bool CanUseMask() const { return m_bUseMask; }
    void SetOverType(bool bOverType) { m_bOverType = bOverType; }
    bool CanOverType() const { return m_bOverType; }
    bool IsModified() const { return m_bModified; }
    // 0 <= nPos < length of the template.
    bool PosInRange(int nPos) const;

    // --- editing operations (the clipboard and edit commands) ------------
    void MaskCopy();
    void MaskCut();
    void MaskPaste();
    void MaskClear();
    void MaskUndo();
    void MaskSelectAll();

    // --- building blocks ---------------------------------------------------
    // Whether ch may go into the first slot at or after nPos (nPos -1: at or
    // after the selection start, where the caret is then put).  Control
    // characters pass; false (and a beep when asked) for a rejected one.
    virtual bool CheckChar(UINT& ch, int nPos, bool bBeep = true);
    // Whether the slot at nPos accepts ch, by its mask character; may
    // convert ch.
    virtual bool ProcessMask(UINT& ch, int nPos);
    // Moves nPos onto a slot, searching forward or backward; false (with a
    // beep when asked) when there is none that way.
    virtual bool CorrectPosition(int& nPos, bool bForward = true, bool bBeep = true);
    // At a slot: the later slots' characters move one slot back, the last
    // slot empties.  Nothing at a literal or outside the template.
    virtual void DeleteCharAt(int nPos);
    // ch goes into the first slot at or after nPos and the later slots'
    // characters move one slot on, the last one dropping out.  Nothing when
    // the slot refuses ch or nPos is outside the template.
    virtual void InsertCharAt(int nPos, char ch);
    // Puts text on the clipboard; false when it cannot.
    virtual bool CopyToClipboard(LPCTSTR lpszText) = 0;
    // The characters of the slots from nPos to the end (empty ones as the
    // prompt).  The second argument is accepted for compatibility and does
    // not change the result.
    virtual CString GetMaskedText(int nPos, BOOL bCountLiterals = FALSE);

    // --- input, as the control's handlers pass it on (mask on) ---------------
    // WM_CHAR.  False: a control character that the platform edit handles
    // (the caller lets it, then calls SyncText).
    bool MaskChar(UINT ch);
    // WM_KEYDOWN: takes over Backspace, Space, Delete and Insert; lets the
    // platform handle the others (DefaultKeyDown), then keeps Home and Left
    // off the literals in front of the first slot.
    void MaskKeyDown(UINT nVirtKey);
    // After the platform has handled a click (caret placed), a double click
    // (word selected) or the focus arriving: the caret moves onto a slot.
    void MaskAfterClick(bool bShift);
    void MaskAfterDblClk();
    void MaskAfterFocus();
    // A key before translation: keypad minus and plus type '-' and '+',
    // Ctrl+C, V, X and Z copy, paste, cut and undo.  True when consumed.
    bool MaskTranslateKey(UINT nVirtKey, bool bCtrl);
    // Reads the selection; whether it is not empty.
    bool ReadSelection();
    // Re-reads the text after the platform changed it.
    void SyncText() { ReadText(); }

    // Virtual-key codes the model handles (the platform's values).
    static constexpr UINT kVkBack = 0x08;
    static constexpr UINT kVkSpace = 0x20;
    static constexpr UINT kVkEnd = 0x23;
    static constexpr UINT kVkHome = 0x24;
    static constexpr UINT kVkLeft = 0x25;
    static constexpr UINT kVkUp = 0x26;
    static constexpr UINT kVkRight = 0x27;
    static constexpr UINT kVkDown = 0x28;
    static constexpr UINT kVkInsert = 0x2D;
    static constexpr UINT kVkDelete = 0x2E;
    static constexpr UINT kVkAdd = 0x6B;
    static constexpr UINT kVkSubtract = 0x6D;

protected:
    // --- the window's side ---------------------------------------------------
    virtual CString GetControlText() const = 0;
    virtual void SetControlText(const CString& strText) = 0;
    // Selection as the control reports it (either order).
    virtual void GetControlSel(int& nStart, int& nEnd) const = 0;
    // Selects from nAnchor to nCaret (the caret at nCaret; -1: the end) and
    // scrolls the caret into view.
    virtual void SetControlSel(int nAnchor, int nCaret) = 0;
    virtual void ControlBeep() = 0;
    virtual bool IsControlReadOnly() const = 0;
    virtual bool IsShiftHeld() const = 0;
    // The clipboard's text; false when it holds none.
    virtual bool GetClipboardText(CString& strText) = 0;
    // The platform edit's handling of the key being processed.
    virtual void DefaultKeyDown() = 0;

    // --- helpers for derived classes -------------------------------------
    // Beeps, unless the model is checking characters it shifts.
    void MaskBeep();
    bool IsSlot(int nPos) const;
    // The first slot at or after nPos (the last at or before it); -1: none.
    int NextSlot(int nPos) const;
    int PrevSlot(int nPos) const;

    int m_nStartChar = 0;      // selection as last read
    int m_nEndChar = 0;
    bool m_bUseMask = true;
    bool m_bOverType = true;
    bool m_bUndone = false;    // the next undo redoes
    bool m_bModified = false;  // changed since SetEditMask
    char m_chPrompt = '_';
    CString m_strMask;
    CString m_strDefault;      // what Backspace restores a slot to
    CString m_strUndo;
    CString m_strRedo;
    CString m_strText;         // as last read from or written to the control
    CString m_strLiteral;

private:
    void ReadText() { m_strText = GetControlText(); }
    void PutCaret(int nPos);
    // Selects from nAnchor to the slot nSlot, the caret at the slot.
    void SelectToSlot(int nAnchor, int nSlot);
    void Commit();
    void PutAt(int nPos, char ch);
    // A slot the text reaches, so its character can be read and written.
    bool IsTextSlot(int nPos) const;
    std::vector<int> TextSlotsFrom(int nPos) const;
    // ProcessMask without beeping.
    bool Accepts(UINT& ch, int nPos);
    // Writes chars into slots in order; each refused character empties its
    // slot instead.
    void Place(const std::vector<int>& slots, const std::vector<char>& chars);
    int CountTextSlots(int nFrom, int nTo) const;
    char DefaultAt(int nPos) const;

    int m_nQuiet = 0;
};
