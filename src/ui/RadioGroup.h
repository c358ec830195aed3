#pragma once
// A framed group of radio buttons with one selected index, laid out in columns that are filled
// from top to bottom.
#include <memory>
#include <string>
#include <vector>

#include "ui/StdControls.h"

namespace velmora::ui {

class RadioGroup : public GroupBox {
 public:
  // The items get the IDs firstItemId, firstItemId + 1, ...
  RadioGroup(Widget& parent, int id, Bounds bounds, std::string caption,
             const std::vector<std::string>& items, int columns, int firstItemId);

  int ItemIndex() const { return itemIndex_; }
  // Selects an item (-1: none). A change to another item raises the click event, as a click by
  // the user does; selecting the item already selected, or none, raises nothing.
  void SetItemIndex(int index);
  Event onClick;

 protected:
  void OnWindowCreated() override { ShowSelection(); }

 private:
  // A radio button made as the selection wants it: checked or not, with the tab stop or not.
  class Item : public Button {
   public:
    Item(RadioGroup& group, int index, int id, Bounds bounds, std::string text, DWORD style);

   protected:
    ControlStyle CreationStyle() const override;
    void OnWindowCreated() override;

   private:
    const RadioGroup& group_;
    int index_;
  };

  bool IsSelected(int index) const { return index == itemIndex_; }
  // The item the Tab key stops at: the selected one, or the first while none is.
  bool HasTabStop(int index) const { return IsSelected(index) || (itemIndex_ == -1 && index == 0); }
  // Checks and tab stops changed to match the selection, on the items whose state differs.
  void ShowSelection();
  std::vector<std::unique_ptr<Item>> buttons_;
  int itemIndex_ = -1;
};

}  // namespace velmora::ui
