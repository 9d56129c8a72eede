#include "support/color_scheme.h"

#include <vector>

namespace kxtest {

// Windows Standard of the classic desktop: grey 3D faces, navy captions and
// selection, teal desktop. Index 25 is the undocumented alternate button face.
const SysColorEntry kClassicColors[] = {
    {COLOR_SCROLLBAR, RGB(192, 192, 192)},
    {COLOR_BACKGROUND, RGB(0, 128, 128)},
    {COLOR_ACTIVECAPTION, RGB(0, 0, 128)},
    {COLOR_INACTIVECAPTION, RGB(128, 128, 128)},
    {COLOR_MENU, RGB(192, 192, 192)},
    {COLOR_WINDOW, RGB(255, 255, 255)},
    {COLOR_WINDOWFRAME, RGB(0, 0, 0)},
    {COLOR_MENUTEXT, RGB(0, 0, 0)},
    {COLOR_WINDOWTEXT, RGB(0, 0, 0)},
    {COLOR_CAPTIONTEXT, RGB(255, 255, 255)},
    {COLOR_ACTIVEBORDER, RGB(192, 192, 192)},
    {COLOR_INACTIVEBORDER, RGB(192, 192, 192)},
    {COLOR_APPWORKSPACE, RGB(128, 128, 128)},
    {COLOR_HIGHLIGHT, RGB(0, 0, 128)},
    {COLOR_HIGHLIGHTTEXT, RGB(255, 255, 255)},
    {COLOR_BTNFACE, RGB(192, 192, 192)},
    {COLOR_BTNSHADOW, RGB(128, 128, 128)},
    {COLOR_GRAYTEXT, RGB(128, 128, 128)},
    {COLOR_BTNTEXT, RGB(0, 0, 0)},
    {COLOR_INACTIVECAPTIONTEXT, RGB(192, 192, 192)},
    {COLOR_BTNHIGHLIGHT, RGB(255, 255, 255)},
    {COLOR_3DDKSHADOW, RGB(0, 0, 0)},
    {COLOR_3DLIGHT, RGB(192, 192, 192)},
    {COLOR_INFOTEXT, RGB(0, 0, 0)},
    {COLOR_INFOBK, RGB(255, 255, 225)},
    {25, RGB(181, 181, 181)},
    {COLOR_HOTLIGHT, RGB(0, 0, 128)},
    {COLOR_GRADIENTACTIVECAPTION, RGB(16, 132, 208)},
    {COLOR_GRADIENTINACTIVECAPTION, RGB(181, 181, 181)},
    {COLOR_MENUHILIGHT, RGB(0, 0, 128)},
    {COLOR_MENUBAR, RGB(192, 192, 192)},
};
const std::size_t kClassicColorCount = sizeof(kClassicColors) / sizeof(kClassicColors[0]);

COLORREF ClassicColor(int index) {
  for (const SysColorEntry& e : kClassicColors)
    if (e.index == index) return e.colour;
  return CLR_INVALID;
}

bool ClassicColorSchemeInForce() {
  for (const SysColorEntry& e : kClassicColors)
    if (::GetSysColor(e.index) != e.colour) return false;
  return true;
}

bool ApplyClassicColorScheme() {
  if (ClassicColorSchemeInForce()) return true;
  std::vector<int> indices;
  std::vector<COLORREF> colours;
  for (const SysColorEntry& e : kClassicColors) {
    indices.push_back(e.index);
    colours.push_back(e.colour);
  }
  return ::SetSysColors(static_cast<int>(indices.size()), indices.data(), colours.data()) != FALSE;
}

}  // namespace kxtest
