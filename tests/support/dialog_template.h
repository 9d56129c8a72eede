// Builds dialog templates in memory for tests: a captioned popup dialog in
// "MS Shell Dlg" 8, and its items by class atom or class name.
//
//   kxtest::DialogTemplate t("Title", 200, 100);
//   t.Add(100, kxtest::DialogTemplate::kEdit, WS_BORDER | WS_TABSTOP, 10, 10, 80, 12);
//   dlg.CreateIndirect(t.Get());
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace kxtest {

class DialogTemplate {
 public:
  // Class atoms of the standard controls.
  static constexpr WORD kButton = 0x0080;
  static constexpr WORD kEdit = 0x0081;
  static constexpr WORD kStatic = 0x0082;
  static constexpr WORD kListBox = 0x0083;
  static constexpr WORD kScrollBar = 0x0084;
  static constexpr WORD kComboBox = 0x0085;

  DialogTemplate(const char* caption, short cx, short cy, DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU) {
    DLGTEMPLATE t = {};
    t.style = DS_SETFONT | style;
    t.cx = cx;
    t.cy = cy;
    Append(&t, sizeof t);
    Word(0);  // no menu
    Word(0);  // the default class
    Text(caption);
    Word(8);
    Text("MS Shell Dlg");
  }

  // An item of a standard class; WS_CHILD | WS_VISIBLE are added.
  void Add(WORD id, WORD atom, DWORD style, short x, short y, short cx, short cy, const char* text = "") {
    Begin(id, style, x, y, cx, cy);
    Word(0xFFFF);
    Word(atom);
    Finish(text);
  }
  // An item of a registered class (a common control).
  void Add(WORD id, const char* className, DWORD style, short x, short y, short cx, short cy, const char* text = "") {
    Begin(id, style, x, y, cx, cy);
    Text(className);
    Finish(text);
  }

  LPCDLGTEMPLATE Get() {
    reinterpret_cast<DLGTEMPLATE*>(data_.data())->cdit = count_;
    return reinterpret_cast<LPCDLGTEMPLATE>(data_.data());
  }

 private:
  void Append(const void* p, size_t n) {
    const WORD* w = static_cast<const WORD*>(p);
    data_.insert(data_.end(), w, w + n / 2);
  }
  void Word(WORD w) { data_.push_back(w); }
  void Text(const char* s) {
    while (*s) data_.push_back(static_cast<WORD>(static_cast<unsigned char>(*s++)));
    data_.push_back(0);
  }
  void Begin(WORD id, DWORD style, short x, short y, short cx, short cy) {
    if (data_.size() % 2) data_.push_back(0);  // DWORD alignment
    DLGITEMTEMPLATE item = {};
    item.style = style | WS_CHILD | WS_VISIBLE;
    item.x = x;
    item.y = y;
    item.cx = cx;
    item.cy = cy;
    item.id = id;
    Append(&item, sizeof item);
  }
  void Finish(const char* text) {
    Text(text);
    Word(0);  // no creation data
    ++count_;
  }

  std::vector<WORD> data_;
  WORD count_ = 0;
};

}  // namespace kxtest
