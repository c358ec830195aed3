#include "ui/ImageList.h"

#include <algorithm>

namespace velmora::ui {

namespace {
constexpr int kGrowBy = 4;
HIMAGELIST CreateList(int width, int height) {
  return ImageList_Create(width, height, ILC_COLORDDB | ILC_MASK, 0, kGrowBy);
}
}  // namespace

ImageList::ImageList(int width, int height)
    : list_(CreateList(width, height)), width_(width), height_(height) {}

ImageList::~ImageList() {
  // An observer detaches itself in its callback: walk a copy.
  const std::vector<ImageListObserver*> observers = observers_;
  for (ImageListObserver* observer : observers)
    observer->ImageListDestroyed(*this);
}

int ImageList::Count() const {
  return list_ ? ImageList_GetImageCount(list_.Get()) : 0;
}

void ImageList::Clear() {
  if (list_)
    ImageList_Remove(list_.Get(), -1);
  Changed();
}

int ImageList::AddIcon(HICON icon) {
  const int index = list_ && icon ? ImageList_ReplaceIcon(list_.Get(), -1, icon) : -1;
  if (index >= 0)
    Changed();
  return index;
}

int ImageList::AddMasked(HBITMAP images, HBITMAP masks) {
  const int index = list_ && images ? ImageList_Add(list_.Get(), images, masks) : -1;
  if (index >= 0)
    Changed();
  return index;
}

void ImageList::SetImageSize(int width, int height) {
  if (width == width_ && height == height_)
    return;
  width_ = width;
  height_ = height;
  list_.Reset(CreateList(width, height));
  Changed();
}

void ImageList::Subscribe(ImageListObserver& observer) {
  if (std::find(observers_.begin(), observers_.end(), &observer) == observers_.end())
    observers_.push_back(&observer);
}

void ImageList::Unsubscribe(ImageListObserver& observer) {
  observers_.erase(std::remove(observers_.begin(), observers_.end(), &observer), observers_.end());
}

void ImageList::Changed() {
  const std::vector<ImageListObserver*> observers = observers_;
  for (ImageListObserver* observer : observers)
    observer->ImageListChanged(*this);
}

}  // namespace velmora::ui
