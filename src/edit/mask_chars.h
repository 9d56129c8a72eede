// Which characters a slot of a masked edit accepts: the mask characters, and
// the per-digit ranges of the day/month/year date and hours:minutes time
// layouts.  The character classes are those of the "C" locale: digits and
// letters are ASCII; every byte from the space up, except DEL, is printable.
#pragma once

#include "base/cstring.h"

// Printable: a byte from 0x20 up, DEL (0x7F) excluded.  Anything else is a
// control character (or not a single byte) and is never stored in a slot.
bool KXMaskIsPrint(UINT ch);

// Whether a slot whose mask character is chMask accepts ch:
//   0 digit, 9 digit or space, # digit, space, + or -, L letter,
//   ? letter or space, A letter or digit, a letter, digit or space,
//   & any printable byte, H hexadecimal digit, X hexadecimal digit or space,
//   > a letter, stored upper-case, < a letter, stored lower-case.
// Any other mask character accepts nothing.  ch is converted in place by
// > and <.
bool KXMaskAccepts(char chMask, UINT& ch);

// The verdict on a digit typed into a date or time slot.
enum eKXDIGITCHECK {
    KX_DIGIT_OK = 0,
    KX_DIGIT_NOT_DIGIT,     // not a digit, or the slot's mask is not '0'
    KX_DIGIT_OUT_OF_RANGE,  // a digit the position does not allow
};

// The day/month/year layout "00/00/0000": day tens 0-3, day units 0-1 after
// a 3, month tens 0-1, month units 0-2 after a 1, any digit elsewhere.  The
// tens are read from strText, the control's text.
eKXDIGITCHECK KXCheckDateDigit(const CString& strMask, const CString& strText, int nPos, UINT ch);

// The hours:minutes layout "00:00": hour tens 0-2 (24-hour) or 0-1
// (12-hour); hour units 0-4 after a 2 (24-hour) or 0-2 after a 1 (12-hour);
// minute tens 0-5; any digit elsewhere.
eKXDIGITCHECK KXCheckTimeDigit(const CString& strMask, const CString& strText, int nPos, UINT ch, bool b24Hour);
