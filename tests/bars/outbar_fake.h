// An outlook bar without a window, for the portable tests and the fuzz
// target: a client rectangle, two image lists of known sizes (tags that
// are never dereferenced) and captions measured as 5 pixels a character,
// 13 a line, wrapped at the width they are given in large view.
#pragma once

#include "bars/outbar_layout.h"

#include <algorithm>
#include <vector>

namespace kxtest {

class FakeOutBar : public CKXOutBarLayout {
public:
    static constexpr int kCharWidth = 5;
    static constexpr int kLineHeight = 13;

    FakeOutBar() {
        SetImageList(Large(), OUTBAR_IMAGE_LARGE);
        SetImageList(Small(), OUTBAR_IMAGE_SMALL);
    }

    // Tags standing for two image lists; the layout only compares them.
    CImageList* Large() { return reinterpret_cast<CImageList*>(&m_largeTag); }
    CImageList* Small() { return reinterpret_cast<CImageList*>(&m_smallTag); }

    void SetSelFolder(int nIndex) override {
        selCalls.push_back(nIndex);
        m_nSelFolder = nIndex;
        m_nFirstItem = 0;
        m_nSelItem = -1;
    }

    // The fields the window would set.
    int& FirstItem() { return m_nFirstItem; }
    int& SelItem() { return m_nSelItem; }
    int& SelFolderField() { return m_nSelFolder; }
    DWORD& Flags() { return m_dwFlags; }
    BOOL UpVisible() const { return m_bUpArrowVisible; }
    BOOL DownVisible() const { return m_bDownArrowVisible; }
    const CRect& UpRect() const { return m_rcUpArrow; }
    const CRect& DownRect() const { return m_rcDownArrow; }
    int Spacing(bool bSmall) const { return bSmall ? m_nSmallItemSpacing : m_nLargeItemSpacing; }
    COLORREF Back() const { return m_clrBack; }
    COLORREF Text() const { return m_clrText; }

    CRect rcClient{0, 0, 200, 300};
    CSize szLarge{32, 32};
    CSize szSmall{16, 16};
    int nImages = 1000;
    int nMeasured = 0;  // captions measured so far
    std::vector<int> selCalls;

protected:
    void GetBarClientRect(CRect& rc) const override { rc = rcClient; }
    void GetImageListInfo(CImageList* pList, CSize& sz, int& n) override {
        sz = pList == Small() ? szSmall : szLarge;
        n = nImages;
    }
    CSize MeasureLabel(const CString& str, BOOL bSmall, int nLeft, int nRight) override {
        ++nMeasured;
        const int cx = str.GetLength() * kCharWidth;
        if (bSmall) return CSize(cx, kLineHeight);
        const int cxAvail = std::max(nRight - nLeft, 1);
        const int nLines = (cx + cxAvail - 1) / cxAvail;
        return CSize(std::min(cx, cxAvail), nLines * kLineHeight);
    }

private:
    char m_largeTag = 0;
    char m_smallTag = 0;
};

}  // namespace kxtest
