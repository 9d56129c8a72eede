// Numeric property items: a whole number (with a spin button or a slider
// beside its edit box, if wanted) and a floating-point number.  Each keeps
// its native value beside the text the grid shows, and may keep an
// application variable bound to it:
//   - SetNumber/SetDouble store the value, write the bound variable and show
//     the value as text;
//   - SetValue(text), which a user's edit reaches, reads the text and stores
//     what it reads (reading never fails: see typed_value_text.h);
//   - UpdateData(TRUE) copies the value into the bound variable,
//     UpdateData(FALSE) takes the variable's value.
#pragma once

#include "propgrid/property_grid_item.h"
#include "win/ctl_common.h"

class CKXPropertyGridItemNumber : public CKXPropertyGridItem {
    DECLARE_DYNAMIC(CKXPropertyGridItemNumber)
public:
    CKXPropertyGridItemNumber(LPCTSTR lpszCaption, long nValue = 0, long* pBindNumber = nullptr);
    explicit CKXPropertyGridItemNumber(UINT nID, long nValue = 0, long* pBindNumber = nullptr);

    void SetNumber(long nValue);
    long GetNumber() const { return m_nValue; }
    void BindToNumber(long* pBindNumber) { m_pBindNumber = pBindNumber; }

    void SetValue(LPCTSTR lpszValue) override;
    BOOL UpdateData(BOOL bSaveAndValidate) override;

protected:
    long m_nValue = 0;
    long* m_pBindNumber = nullptr;
};

// A spin button over the last 15 pixels of the selected row steps the
// value.  The range only sets what the spin button shows: a step past it
// still changes the value.
class CKXPropertyGridItemNumberSpin : public CKXPropertyGridItemNumber {
    DECLARE_DYNAMIC(CKXPropertyGridItemNumberSpin)
public:
    CKXPropertyGridItemNumberSpin(LPCTSTR lpszCaption, long nValue = 0, long* pBindNumber = nullptr, long nMin = 0,
                                  long nMax = 100);
    CKXPropertyGridItemNumberSpin(UINT nID, long nValue = 0, long* pBindNumber = nullptr, long nMin = 0,
                                  long nMax = 100);
    ~CKXPropertyGridItemNumberSpin() override;

    void SetRange(long nMin, long nMax);
    long GetRangeMin() const { return m_nMin; }
    long GetRangeMax() const { return m_nMax; }
    // The spin button while the item is selected, else null.
    CSpinButtonCtrl* GetSpinButton() const { return m_pSpin; }

    CRect GetValueRect() override;
    void OnSelect() override;
    void OnDeselect() override;

    // A step of the spin button: the typed text is committed first, then
    // the value moves by nDelta.
    virtual void OnSpinStep(int nDelta);

protected:
    void DestroySpin();
    long m_nMin;
    long m_nMax;
    CSpinButtonCtrl* m_pSpin = nullptr;
};

// A slider right of the number's first three digits sets the value while
// the item is selected.
class CKXPropertyGridItemSliderCtrl : public CKXPropertyGridItemNumber {
    DECLARE_DYNAMIC(CKXPropertyGridItemSliderCtrl)
public:
    CKXPropertyGridItemSliderCtrl(LPCTSTR lpszCaption, long nValue = 0, long* pBindNumber = nullptr, long nMin = 0,
                                  long nMax = 100);
    CKXPropertyGridItemSliderCtrl(UINT nID, long nValue = 0, long* pBindNumber = nullptr, long nMin = 0,
                                  long nMax = 100);
    ~CKXPropertyGridItemSliderCtrl() override;

    long GetRangeMin() const { return m_nMin; }
    long GetRangeMax() const { return m_nMax; }
    // The slider while the item is selected (and there is room), else null.
    CSliderCtrl* GetSlider() const { return m_pSlider; }

    void OnSelect() override;
    void OnDeselect() override;

    // The slider painted at nPos: a new position becomes the value.
    virtual void OnSliderPos(int nPos);

protected:
    void DestroySlider();
    long m_nMin;
    long m_nMax;
    CSliderCtrl* m_pSlider = nullptr;
};

// The text is the application's number format (printf style, converting
// one double) applied to the value; "%g" when none is given.
class CKXPropertyGridItemDouble : public CKXPropertyGridItem {
    DECLARE_DYNAMIC(CKXPropertyGridItemDouble)
public:
    CKXPropertyGridItemDouble(LPCTSTR lpszCaption, double dValue = 0, double* pBindDouble = nullptr,
                              LPCTSTR lpszFormat = nullptr);
    explicit CKXPropertyGridItemDouble(UINT nID, double dValue = 0, double* pBindDouble = nullptr,
                                       LPCTSTR lpszFormat = nullptr);

    void SetDouble(double dValue);
    double GetDouble() const { return m_dValue; }
    void BindToDouble(double* pBindDouble) { m_pBindDouble = pBindDouble; }

    void SetValue(LPCTSTR lpszValue) override;
    BOOL UpdateData(BOOL bSaveAndValidate) override;

protected:
    double m_dValue = 0;
    double* m_pBindDouble = nullptr;
};
