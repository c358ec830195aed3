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
  void ShowSelection();
  std::vector<std::unique_ptr<Button>> buttons_;
  int itemIndex_ = -1;
};

}  // namespace velmora::ui
