#include "support/dialog_template.h"

#include <cstddef>

namespace kxtest {

DialogTemplate::DialogTemplate(const char* title, short cx, short cy, DWORD style) {
  DLGTEMPLATE t = {};
  t.style = style;
  t.cx = cx;
  t.cy = cy;
  Append(&t, sizeof t);
  data_.push_back(0);  // no menu
  data_.push_back(0);  // the default class
  Text(title);
  data_.push_back(8);
  Text("MS Shell Dlg");
}

DialogTemplate& DialogTemplate::Item(WORD id, WORD atom, DWORD style, short x, short y, short cx,
                                     short cy, const char* text) {
  if (data_.size() % 2) data_.push_back(0);  // items start on a DWORD
  DLGITEMTEMPLATE item = {};
  item.style = style | WS_CHILD | WS_VISIBLE;
  item.x = x;
  item.y = y;
  item.cx = cx;
  item.cy = cy;
  item.id = id;
  Append(&item, sizeof item);
  data_.push_back(0xFFFF);
  data_.push_back(atom);
  Text(text);
  data_.push_back(0);  // no creation data
  // The header's item count (cdit) follows style and extended style.
  ++data_[offsetof(DLGTEMPLATE, cdit) / sizeof(WORD)];
  return *this;
}

void DialogTemplate::Append(const void* p, size_t n) {
  const WORD* w = static_cast<const WORD*>(p);
  data_.insert(data_.end(), w, w + n / 2);
}

void DialogTemplate::Text(const char* s) {
  while (*s) data_.push_back(static_cast<WORD>(static_cast<unsigned char>(*s++)));
  data_.push_back(0);
}

}  // namespace kxtest
