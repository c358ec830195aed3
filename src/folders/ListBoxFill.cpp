#include "folders/ListBoxFill.h"

namespace velmora {

namespace {

// The list box's own window procedure, for the messages that fill and empty it. They bypass
// the subclass, which handles none of them: under Wine each message through a subclass costs
// round trips to the server, seconds for a folder with 20,000 subfolders.
WNDPROC ListBoxProcedure(HWND list) {
  return reinterpret_cast<WNDPROC>(GetClassLongPtrA(list, GCLP_WNDPROC));
}

// While a scope lasts, the owner of an owner-drawn list box ignores WM_DELETEITEM. Wine sends
// one for every item a list box drops, and through the owner's subclass each costs round trips
// to the server: seconds for a folder with 20,000 subfolders, when leaving it and when the
// window closes. The directory list keeps no item data, so the owner has nothing to free.
class DeletedItemsIgnored {
 public:
  explicit DeletedItemsIgnored(HWND list) : owner_(GetParent(list)) {
    // One at a time: the procedure it puts in place forwards to the one procedure saved.
    if (!owner_ || saved_)
      return;
    saved_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(owner_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Procedure)));
    active_ = saved_ != nullptr;
  }
  ~DeletedItemsIgnored() {
    if (!active_)
      return;
    SetWindowLongPtrA(owner_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(saved_));
    saved_ = nullptr;
  }
  DeletedItemsIgnored(const DeletedItemsIgnored&) = delete;
  DeletedItemsIgnored& operator=(const DeletedItemsIgnored&) = delete;

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DELETEITEM)
      return TRUE;
    return CallWindowProcA(saved_, window, message, wParam, lParam);
  }

  HWND owner_;
  bool active_ = false;
  static inline WNDPROC saved_ = nullptr;
};

}  // namespace

void EmptyListBox(HWND list) {
  if (SendMessageA(list, LB_GETCOUNT, 0, 0) <= 0)
    return;
  const DeletedItemsIgnored quiet(list);
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
