#pragma once
// A list box that shows the images of an image list: item i is image i. The list box holds no
// items of its own (no-data style), so its count is always the image count, which it follows by
// itself; every item is an owner-drawn cell with its image centred.
#include <windows.h>

#include "ui/ImageList.h"
#include "ui/StdControls.h"

namespace velmora::ui {
class ItemDrawFrame;
}

namespace velmora {

enum class TBorderStyle { bsNone, bsSingle };

// The behaviour. Its style properties stay protected; TImageListBox makes them public.
// The count and the click events are the list box's own (ui::ListBox).
class TCustomImageListBox : public ui::ListBox, private ui::ImageListObserver {
 public:
  TCustomImageListBox(ui::Widget& parent, int id, ui::Bounds bounds = {0, 0, 121, 97});
  ~TCustomImageListBox() override;

  // The selected position, -1 for none. Like every list-box message, it gives 0 while the
  // control has no window.
  int ItemIndex() const { return static_cast<int>(Send(LB_GETCURSEL)); }

 protected:
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle style);
  // Cell sizes in pixels; 0 means automatic: the image size, or the font height without images.
  int ColumnWidth() const { return columnWidth_; }
  void SetColumnWidth(int width);
  int ItemHeight() const { return itemHeight_; }
  void SetItemHeight(int height);
  bool ExtendedSelect() const { return extendedSelect_; }
  void SetExtendedSelect(bool value);
  bool IntegralHeight() const { return integralHeight_; }
  void SetIntegralHeight(bool value);
  bool MultiColumn() const { return multiColumn_; }
  void SetMultiColumn(bool value);
  bool MultiSelect() const { return multiSelect_; }
  void SetMultiSelect(bool value);
  ui::ImageList* Images() const { return images_; }
  // Shows `images` (not owned; nullptr for none) and follows its changes until it goes.
  void SetImages(ui::ImageList* images);

  // The image list changed: the count follows and the cells are drawn again.
  virtual void ImagesChanged(ui::ImageList* sender);
  // Draws one cell on the drawing surface of the request being answered.
  virtual void DrawItem(int index, const RECT& rect, UINT state);

  ui::ControlStyle CreationStyle() const override;
  void OnWindowCreated() override;
  void OnFontChanged() override;
  bool OnDrawItem(const DRAWITEMSTRUCT& item) override;
  bool OnMeasureItem(MEASUREITEMSTRUCT& item) override;
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void ImageListChanged(ui::ImageList& list) override;
  void ImageListDestroyed(ui::ImageList& list) override;
  // A list-box message to the window; dropped (0) while there is none.
  LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
  void Invalidate() const;
  int EffectiveColumnWidth() const;
  int EffectiveItemHeight() const;
  // The cell size without a stored value: the image size, or the font height without images.
  int AutomaticSize(int imageSize) const;
  void SetStyleFlag(bool& flag, bool value);

  TBorderStyle borderStyle_ = TBorderStyle::bsSingle;
  // The item-drawing frame of the request being answered, nullptr between requests.
  const ui::ItemDrawFrame* canvas_ = nullptr;
  int columnWidth_ = 16;
  ui::ImageList* images_ = nullptr;
  int itemHeight_ = 0;
  bool integralHeight_ = false;
  bool multiColumn_ = true;
  bool multiSelect_ = false;
  bool extendedSelect_ = true;
};

// The control with every property public.
class TImageListBox : public TCustomImageListBox {
 public:
  using TCustomImageListBox::BorderStyle;
  using TCustomImageListBox::ColumnWidth;
  using TCustomImageListBox::ExtendedSelect;
  using TCustomImageListBox::Images;
  using TCustomImageListBox::IntegralHeight;
  using TCustomImageListBox::ItemHeight;
  using TCustomImageListBox::MultiColumn;
  using TCustomImageListBox::MultiSelect;
  using TCustomImageListBox::SetBorderStyle;
  using TCustomImageListBox::SetColumnWidth;
  using TCustomImageListBox::SetExtendedSelect;
  using TCustomImageListBox::SetImages;
  using TCustomImageListBox::SetIntegralHeight;
  using TCustomImageListBox::SetItemHeight;
  using TCustomImageListBox::SetMultiColumn;
  using TCustomImageListBox::SetMultiSelect;
  using TCustomImageListBox::TCustomImageListBox;
};

}  // namespace velmora
