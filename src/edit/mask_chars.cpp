#include "edit/mask_chars.h"

namespace {

bool IsDigit(UINT ch) { return ch >= '0' && ch <= '9'; }
bool IsUpper(UINT ch) { return ch >= 'A' && ch <= 'Z'; }
bool IsLower(UINT ch) { return ch >= 'a' && ch <= 'z'; }
bool IsAlpha(UINT ch) { return IsUpper(ch) || IsLower(ch); }
bool IsXDigit(UINT ch) { return IsDigit(ch) || (ch >= 'A' && ch <= 'F') || (ch >= 'a' && ch <= 'f'); }

// The digit at nPos of the text, or 0 when there is none.
char DigitAt(const CString& str, int nPos) {
    const char c = nPos >= 0 && nPos < str.GetLength() ? str[nPos] : 0;
    return IsDigit(static_cast<unsigned char>(c)) ? c : 0;
}

bool InRange(UINT ch, char chLow, char chHigh) { return ch >= static_cast<UINT>(chLow) && ch <= static_cast<UINT>(chHigh); }

}  // namespace

bool KXMaskIsPrint(UINT ch) { return ch >= 0x20 && ch <= 0xFF && ch != 0x7F; }

bool KXMaskAccepts(char chMask, UINT& ch) {
    switch (chMask) {
    case '0': return IsDigit(ch);
    case '9': return IsDigit(ch) || ch == ' ';
    case '#': return IsDigit(ch) || ch == ' ' || ch == '+' || ch == '-';
    case 'L': return IsAlpha(ch);
    case '?': return IsAlpha(ch) || ch == ' ';
    case 'A': return IsAlpha(ch) || IsDigit(ch);
    case 'a': return IsAlpha(ch) || IsDigit(ch) || ch == ' ';
    case '&': return KXMaskIsPrint(ch);
    case 'H': return IsXDigit(ch);
    case 'X': return IsXDigit(ch) || ch == ' ';
    case '>':
        if (!IsAlpha(ch)) return false;
        if (IsLower(ch)) ch -= 'a' - 'A';
        return true;
    case '<':
        if (!IsAlpha(ch)) return false;
        if (IsUpper(ch)) ch += 'a' - 'A';
        return true;
    default: return false;
    }
}

namespace {

bool IsDigitSlot(const CString& strMask, int nPos, UINT ch) {
    return nPos >= 0 && nPos < strMask.GetLength() && strMask[nPos] == '0' && IsDigit(ch);
}

}  // namespace

eKXDIGITCHECK KXCheckDateDigit(const CString& strMask, const CString& strText, int nPos, UINT ch) {
    if (!IsDigitSlot(strMask, nPos, ch)) return KX_DIGIT_NOT_DIGIT;
    bool bFits = true;
    switch (nPos) {
    case 0: bFits = InRange(ch, '0', '3'); break;
    case 1: bFits = DigitAt(strText, 0) != '3' || InRange(ch, '0', '1'); break;
    case 3: bFits = InRange(ch, '0', '1'); break;
    case 4: bFits = DigitAt(strText, 3) != '1' || InRange(ch, '0', '2'); break;
    default: break;
    }
    return bFits ? KX_DIGIT_OK : KX_DIGIT_OUT_OF_RANGE;
}

eKXDIGITCHECK KXCheckTimeDigit(const CString& strMask, const CString& strText, int nPos, UINT ch, bool b24Hour) {
    if (!IsDigitSlot(strMask, nPos, ch)) return KX_DIGIT_NOT_DIGIT;
    bool bFits = true;
    switch (nPos) {
    case 0: bFits = InRange(ch, '0', b24Hour ? '2' : '1'); break;
    case 1:
        if (b24Hour) bFits = DigitAt(strText, 0) != '2' || InRange(ch, '0', '4');
        else bFits = DigitAt(strText, 0) != '1' || InRange(ch, '0', '2');
        break;
    case 3: bFits = InRange(ch, '0', '5'); break;
    default: break;
    }
    return bFits ? KX_DIGIT_OK : KX_DIGIT_OUT_OF_RANGE;
}
