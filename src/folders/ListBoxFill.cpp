#include "folders/ListBoxFill.h"

namespace velmora {

namespace {

// The list box's own window procedure, for the messages that fill and empty it. They bypass
// the subclass, which handles none of them: under Wine each message through a subclass costs
// round trips to the server, seconds for a folder with 20,000 subfolders.
WNDPROC ListBoxProcedure(HWND list) {
  return reinterpret_cast<WNDPROC>(GetClassLongPtrA(list, GCLP_WNDPROC));
}

}  // namespace

void EmptyListBox(HWND list) {
  if (SendMessageA(list, LB_GETCOUNT, 0, 0) > 0)
    CallWindowProcA(ListBoxProcedure(list), list, LB_RESETCONTENT, 0, 0);
}

ListBoxFill::ListBoxFill(HWND list) : list_(list), procedure_(ListBoxProcedure(list)) {
  // A list box that repaints after every item it takes needs minutes for thousands of them.
  SendMessageA(list_, WM_SETREDRAW, FALSE, 0);
  EmptyListBox(list_);
}

ListBoxFill::~ListBoxFill() {
  SendMessageA(list_, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list_, nullptr, TRUE);
}

void ListBoxFill::Reserve(int count, std::size_t bytes) const {
  Call(LB_INITSTORAGE, static_cast<WPARAM>(count), static_cast<LPARAM>(bytes));
}

void ListBoxFill::Add(const char* text) const {
  Call(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
}

LRESULT ListBoxFill::Call(UINT message, WPARAM wParam, LPARAM lParam) const {
  return CallWindowProcA(procedure_, list_, message, wParam, lParam);
}

}  // namespace velmora
