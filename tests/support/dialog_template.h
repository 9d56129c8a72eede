// Dialog templates built in memory, for tests of dialogs and of controls
// that live in them.
//
//   kxtest::DialogTemplate tmpl("Test dialog", 200, 100);
//   tmpl.Item(100, kxtest::DialogTemplate::kEdit, WS_BORDER | ES_AUTOHSCROLL | WS_TABSTOP, 10, 10, 80, 12);
//   dlg.CreateIndirect(tmpl.Get());
#pragma once

#include <windows.h>

#include <vector>

namespace kxtest {

class DialogTemplate {
 public:
  // The predefined classes of dialog items.
  static constexpr WORD kButton = 0x0080;
  static constexpr WORD kEdit = 0x0081;
  static constexpr WORD kStatic = 0x0082;

  // A captioned popup dialog in 8-point "MS Shell Dlg"; units are dialog units.
  DialogTemplate(const char* title, short cx, short cy,
                 DWORD style = DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU);
  // A visible child item of a predefined class.
  DialogTemplate& Item(WORD id, WORD atom, DWORD style, short x, short y, short cx, short cy,
                       const char* text = "");

  LPCDLGTEMPLATE Get() const { return reinterpret_cast<LPCDLGTEMPLATE>(data_.data()); }

 private:
  void Append(const void* p, size_t n);
  void Text(const char* s);

  std::vector<WORD> data_;
};

}  // namespace kxtest
