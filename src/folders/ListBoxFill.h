#pragma once
// Filling and emptying a list box of thousands of items without a wait, under Wine too.
#include <windows.h>

#include <cstddef>

namespace velmora {

// Replaces a list box's items (see EmptyListBox): empties it when made, takes the new items, and
// draws the list again when it goes. Drawing is off in between.
class ListBoxFill {
 public:
  explicit ListBoxFill(HWND list);
  ~ListBoxFill();
  ListBoxFill(const ListBoxFill&) = delete;
  ListBoxFill& operator=(const ListBoxFill&) = delete;

  // Room for `count` items of `bytes` bytes of text in all.
  void Reserve(int count, std::size_t bytes) const;
  void Add(const char* text) const;

 private:
  LRESULT Call(UINT message, WPARAM wParam, LPARAM lParam) const;

  HWND list_;
  WNDPROC procedure_;
};

// Removes every item of a list box. Its control is to keep no item data
// (ui::Control::SetKeepsNoItemData), so that its parent answers the notice for each item at once.
void EmptyListBox(HWND list);

}  // namespace velmora
