// CKXOutBarCtrl: the mouse.  Hot tracking on moves; pressing a folder
// button, a scroll button or an item runs a local message loop with the
// mouse captured until the button is released; the right button opens the
// context menu.
#include "bars/outbar.h"

#include "bars/menu.h"
#include "core/aux_data.h"
#include "core/resource_scope.h"
#include "kxres_ids.h"

namespace {

// The next message of the thread; false (and the quit request posted
// again) when the application is quitting.
bool NextMessage(MSG& msg) {
    const BOOL bResult = ::GetMessageA(&msg, nullptr, 0, 0);
    if (bResult == 0) {
        ::PostQuitMessage(static_cast<int>(msg.wParam));
        return false;
    }
    return bResult != -1;
}

CPoint MessagePoint(const MSG& msg) {
    return CPoint(static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam)));
}

}  // namespace

// --- hot tracking -----------------------------------------------------------------------------

void CKXOutBarCtrl::OnMouseMove(UINT nFlags, CPoint point) {
    int nIndex = -1;
    const int nHit = HitTestEx(point, nIndex);
    if (nHit != OBHT_FOLDER && m_nHotFolder >= 0) HighlightFolder(-1);
    if (nHit != OBHT_ITEM && m_nHotItem >= 0) HighlightItem(-1, FALSE);
    if (nHit == OBHT_FOLDER || nHit == OBHT_ITEM) {
        if (nHit == OBHT_FOLDER) HighlightFolder(nIndex);
        else HighlightItem(nIndex, FALSE);
        SetTimer(KX_OUTBAR_TIMER_HOVER, 100);
    }
    CWnd::OnMouseMove(nFlags, point);
}

// --- pressing -----------------------------------------------------------------------------------

void CKXOutBarCtrl::OnLButtonDown(UINT nFlags, CPoint point) {
    if (::GetFocus() != m_hWnd) SetFocus();  // ends an open rename
    int nIndex = -1;
    const int nHit = HitTestEx(point, nIndex);
    m_nDropMarkKind = -1;
    BOOL bDefault = TRUE;
    const HWND hCapture = ::GetCapture();
    if (hCapture == nullptr || hCapture == m_hWnd) {
        switch (nHit) {
        case OBHT_FOLDER: TrackFolder(nIndex); break;
        case OBHT_SCROLLUP: TrackScroll(TRUE); break;
        case OBHT_SCROLLDOWN: TrackScroll(FALSE); break;
        case OBHT_ITEM: bDefault = TrackItem(nIndex); break;
        default: break;
        }
    }
    if (bDefault) CWnd::OnLButtonDown(nFlags, point);
}

void CKXOutBarCtrl::TrackFolder(int nFolder) {
    CRect rcButton;
    if (!GetFolderRect(nFolder, rcButton)) return;
    SetCapture();
    auto draw = [&](eFOLDER_HILIGHT eLook) {
        CClientDC dc(this);
        DrawFolder(&dc, nFolder, rcButton, eLook);
    };
    draw(FOLDER_PUSHED);
    BOOL bPushed = TRUE;
    MSG msg;
    while (::GetCapture() == m_hWnd && NextMessage(msg)) {
        if (msg.hwnd == m_hWnd && msg.message == WM_MOUSEMOVE) {
            const BOOL bOver = rcButton.PtInRect(MessagePoint(msg));
            if (bOver != bPushed) {
                bPushed = bOver;
                draw(bOver ? FOLDER_PUSHED : FOLDER_NORMAL);
            }
            continue;
        }
        if (msg.hwnd == m_hWnd && msg.message == WM_LBUTTONUP) {
            ::ReleaseCapture();
            if (bPushed) draw(FOLDER_NORMAL);
            int nIndex = -1;
            if (HitTestEx(MessagePoint(msg), nIndex) == OBHT_FOLDER && nIndex != m_nSelFolder) SetSelFolder(nIndex);
            break;
        }
        if (msg.message == WM_KEYDOWN && msg.wParam != VK_ESCAPE) continue;
        ::DispatchMessageA(&msg);
    }
    if (::GetCapture() == m_hWnd) ::ReleaseCapture();
    InvalidateRect(rcButton, TRUE);
}

BOOL CKXOutBarCtrl::ScrollStep(BOOL bUp) {
    if (bUp ? m_nFirstItem <= 0 : !CanScrollDown()) return FALSE;
    m_nFirstItem += bUp ? -1 : 1;
    CRect rcInside;
    GetInsideRect(rcInside);
    InvalidateRect(rcInside, FALSE);
    return TRUE;
}

void CKXOutBarCtrl::TrackScroll(BOOL bUp) {
    const CRect rcButton = bUp ? m_rcUpArrow : m_rcDownArrow;
    const UINT nArrow = bUp ? DFCS_SCROLLUP : DFCS_SCROLLDOWN;
    BOOL& bPressedLook = bUp ? m_bUpArrowPressed : m_bDownArrowPressed;
    auto draw = [&](BOOL bPushed) {
        bPressedLook = bPushed;
        CClientDC dc(this);
        DrawScrollButton(&dc, rcButton, DFC_SCROLL, nArrow | (bPushed ? DFCS_PUSHED : 0));
    };
    m_bScrollHeld = TRUE;
    SetCapture();
    draw(TRUE);
    SetTimer(KX_OUTBAR_TIMER_SCROLL, 300);
    MSG msg;
    while (::GetCapture() == m_hWnd && NextMessage(msg)) {
        if (msg.hwnd == m_hWnd && msg.message == WM_TIMER && msg.wParam == KX_OUTBAR_TIMER_SCROLL) {
            if (bPressedLook && !ScrollStep(bUp)) ::ReleaseCapture();  // the end is reached
            continue;
        }
        if (msg.hwnd == m_hWnd && msg.message == WM_MOUSEMOVE) {
            const BOOL bOver = rcButton.PtInRect(MessagePoint(msg));
            if (bOver != bPressedLook) draw(bOver);
            continue;
        }
        if (msg.hwnd == m_hWnd && msg.message == WM_LBUTTONUP) {
            ::ReleaseCapture();
            if (rcButton.PtInRect(MessagePoint(msg))) ScrollStep(bUp);
            break;
        }
        if (msg.message == WM_KEYDOWN && msg.wParam != VK_ESCAPE) continue;
        ::DispatchMessageA(&msg);
    }
    KillTimer(KX_OUTBAR_TIMER_SCROLL);
    if (::GetCapture() == m_hWnd) ::ReleaseCapture();
    m_bScrollHeld = FALSE;
    bPressedLook = FALSE;
    (bUp ? m_bUpArrowVisible : m_bDownArrowVisible) = FALSE;
    CRect rcInside;
    GetInsideRect(rcInside);
    InvalidateRect(rcInside, TRUE);
}

BOOL CKXOutBarCtrl::TrackItem(int nIndex) {
    const int nFolder = m_nSelFolder;
    CRect rcItem;
    GetItemRect(nFolder, nIndex, rcItem);
    const CKXAuxData& aux = CKXAuxData::Get();
    m_nDropMarkIndex = -1;
    m_hTrackCursor = ::GetCursor();
    SetCapture();
    HighlightItem(nIndex, TRUE);
    m_bHotItemDown = TRUE;
    BOOL bPushed = TRUE, bDragging = FALSE, bDefault = TRUE;
    auto setCursor = [&](HCURSOR hCursor) {
        m_hTrackCursor = hCursor;
        ::SetCursor(hCursor);
    };
    MSG msg;
    while (::GetCapture() == m_hWnd && NextMessage(msg)) {
        if (msg.hwnd == m_hWnd && msg.message == WM_MOUSEMOVE) {
            const CPoint pt = MessagePoint(msg);
            if (!bDragging) {
                int nHitIndex = -1;
                const int nHit = HitTestEx(pt, nHitIndex);
                if (nHit == OBHT_ITEM && nHitIndex == nIndex) {
                    if (!bPushed) HighlightItem(nIndex, TRUE);
                    bPushed = m_bHotItemDown = TRUE;
                } else if (nHit == OBHT_ITEM) {
                    HighlightItem(nIndex, FALSE);
                    bPushed = m_bHotItemDown = FALSE;
                } else if (m_dwFlags & OUTBAR_DRAGITEMS) {
                    HighlightItem(nIndex, TRUE);
                    bPushed = TRUE;
                    const CString strText = GetItemText(nIndex);
                    KX_OUTBAR_INFO info = {nIndex, -1, -1, m_nSelFolder, -1, false, strText};
                    Notify(OBN_BEGINDRAG, info);
                    setCursor(aux.hcurDragMove);
                    bDragging = m_bHotItemDown = TRUE;
                }
                continue;
            }
            int nTarget = -1;
            const eKX_OUTBAR_DROP eDrop = GetDropTarget(pt, nTarget);
            CClientDC dc(this);
            DrawDragArrow(&dc, nIndex, eDrop == KX_DROP_ITEM || eDrop == KX_DROP_END ? nTarget : -1);
            setCursor(eDrop == KX_DROP_NONE ? aux.hcurDragNone : aux.hcurDragMove);
            continue;
        }
        if (msg.hwnd == m_hWnd && msg.message == WM_LBUTTONUP) {
            ::ReleaseCapture();
            if (bPushed) {
                HighlightItem(-1, FALSE);
                bPushed = FALSE;
            }
            const CPoint pt = MessagePoint(msg);
            int nHitIndex = -1;
            if (!bDragging && HitTestEx(pt, nHitIndex) == OBHT_ITEM && nHitIndex == nIndex) {
                const CKXBarItem* pItem = GetBarFolderItem(nFolder, nIndex);
                const bool bEnabled = pItem && pItem->IsEnabled();
                const CString strText = GetItemText(nIndex);
                const LRESULT lReply = Notify(OBN_ITEMCLICK, nIndex, false, strText);
                if (!bEnabled) {
                    bDefault = FALSE;  // a disabled item: no selection, no default handling
                } else if (lReply == 1 && m_nSelFolder == nFolder && IsValidItem(nIndex)) {
                    SelFolder()->SetSelItem(nIndex);
                    const int nOld = m_nSelItem;
                    if (m_nSelAnimPeriod > 0 && nOld >= 0 && nOld != nIndex) DrawAnimItem(0, 0, nOld);
                    if (m_dwFlags & OUTBAR_SHOWSELECTION) {
                        CRect rc;
                        for (int n : {nOld, nIndex})
                            if (IsValidItem(n) && GetIconRect(nFolder, n, rc)) {
                                rc.InflateRect(1, 1);
                                InvalidateRect(rc, TRUE);
                            }
                    }
                    m_nSelItem = nIndex;
                }
            } else if (bDragging) {
                int nTarget = -1;
                const eKX_OUTBAR_DROP eDrop = GetDropTarget(pt, nTarget);
                const CString strText = GetItemText(nIndex);
                KX_OUTBAR_INFO info = {nIndex, nIndex, nTarget, m_nSelFolder, m_nSelFolder, false, strText};
                if (eDrop == KX_DROP_ITEM && nTarget != nIndex) {
                    if (Notify(OBN_ITEMMOVED, info) == 1) MoveItem(nIndex, nTarget);
                } else if (eDrop == KX_DROP_END) {
                    info.nIndex = nTarget;
                    if (Notify(OBN_ITEMMOVED, info) == 1) MoveItem(nIndex, nTarget);
                } else if (eDrop == KX_DROP_FOLDER) {
                    info.nDragTo = -1;
                    info.nFolderTo = nTarget;
                    if (Notify(OBN_ITEMMOVED, info) == 1) MoveItemToFolder(nIndex, nTarget);
                }
            }
            break;
        }
        ::DispatchMessageA(&msg);
    }
    if (::GetCapture() == m_hWnd) ::ReleaseCapture();
    m_hTrackCursor = nullptr;
    if (bDragging) Invalidate(TRUE);
    m_bHotItemDown = FALSE;
    if (bPushed) InvalidateRect(rcItem, TRUE);
    return bDefault;
}

// --- context menu ----------------------------------------------------------------------------------

void CKXOutBarCtrl::OnRButtonUp(UINT nFlags, CPoint point) {
    int nIndex = -1;
    const int nHit = HitTestEx(point, nIndex);
    KX_OUTBAR_INFO info = {-1, 0, 0, 0, 0, true, nullptr};
    if (nHit == OBHT_ITEM || nHit == OBHT_FOLDER) {
        info.nIndex = nIndex;
        info.bFolder = nHit == OBHT_FOLDER;
    }
    if (Notify(OBN_CONTEXTMENU, info) == 1) ShowContextMenu(nHit, nIndex, point);
    CWnd::OnRButtonUp(nFlags, point);
}

void CKXOutBarCtrl::ShowContextMenu(int nHit, int nIndex, CPoint pt) {
    CKXResourceScope scope;
    m_nMenuHitKind = nHit;
    m_nMenuHitIndex = nIndex;
    ClientToScreen(&pt);
    CKXMenu menu;
    if (!menu.LoadMenu(IDR_KX_CONTEXT_MENUS)) return;
    CKXMenu* pPopup = DYNAMIC_DOWNCAST(CKXMenu, menu.GetSubMenu(0));
    if (pPopup == nullptr) return;
    pPopup->LoadToolbar(IDR_KX_OUTLOOK_TOOLBAR);
    auto add = [&](UINT nString, UINT nCommand) {
        CString strText;
        strText.LoadString(nString);
        pPopup->InsertODMenuA(static_cast<UINT>(pPopup->GetMenuItemCount()), strText, MF_BYPOSITION | MF_OWNERDRAW,
                              nCommand, -1);
    };
    const bool bItem = nHit == OBHT_ITEM, bFolder = nHit == OBHT_FOLDER;
    const DWORD dwRemove = bItem ? OUTBAR_REMOVEITEMS : OUTBAR_REMOVEFOLDERS;
    const DWORD dwRename = bItem ? OUTBAR_RENAMEITEMS : OUTBAR_RENAMEFOLDERS;
    if ((bItem || bFolder) && (m_dwFlags & (dwRemove | dwRename))) {
        pPopup->AppendODMenuA("", MF_SEPARATOR, 0, -1);
        if (m_dwFlags & dwRemove) add(bItem ? IDS_KX_OUTBAR_REMOVE_ITEM : IDS_KX_OUTBAR_REMOVE_FOLDER, ID_KX_OUTBAR_REMOVE);
        if (m_dwFlags & dwRename) add(bItem ? IDS_KX_OUTBAR_RENAME_ITEM : IDS_KX_OUTBAR_RENAME_FOLDER, ID_KX_OUTBAR_RENAME);
    }
    pPopup->CheckMenuItem(IsSmallIconView(m_nSelFolder) ? ID_KX_OUTBAR_SMALLICON : ID_KX_OUTBAR_LARGEICON,
                          MF_BYCOMMAND | MF_CHECKED);
    pPopup->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, pt.x, pt.y, this);
}

void CKXOutBarCtrl::OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu) {
    CWnd::OnInitMenuPopup(pPopupMenu, nIndex, bSysMenu);
    if (!bSysMenu) AfxUpdateMenuCmdUI(this, pPopupMenu, FALSE);
}

LRESULT CKXOutBarCtrl::OnMenuChar(UINT nChar, UINT nFlags, CMenu* pMenu) {
    return CKXMenu::FindKeyboardShortcut(nChar, nFlags, pMenu);
}
