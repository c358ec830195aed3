#pragma once
// An image list that owns its images and tells the controls that show it of every change, and
// of its own end, so that no control draws from a list that has changed or gone.
#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "ui/Handles.h"

namespace velmora::ui {

class ImageList;

// A user of an image list.
class ImageListObserver {
 public:
  // Images were added, replaced or removed.
  virtual void ImageListChanged(ImageList& list) = 0;
  // The list is being destroyed: stop using it.
  virtual void ImageListDestroyed(ImageList& list) = 0;

 protected:
  ~ImageListObserver() = default;
};

class ImageList {
 public:
  // Images of width by height pixels with masks, in the display's own colour format.
  ImageList(int width, int height);
  ~ImageList();
  ImageList(const ImageList&) = delete;
  ImageList& operator=(const ImageList&) = delete;

  HIMAGELIST Handle() const { return list_.Get(); }
  int Width() const { return width_; }
  int Height() const { return height_; }
  int Count() const;

  // Removes every image.
  void Clear();
  // Adds a copy of the icon, scaled to the list's size; the icon stays the caller's. The index
  // of the new image, or -1 when the list refused it.
  int AddIcon(HICON icon);
  // Adds the images of a strip of cells of the list's size, side by side, with their masks (set
  // bits are transparent), as one change. The index of the first new image, or -1.
  int AddMasked(HBITMAP images, HBITMAP masks);
  // Changes the image size, which removes every image.
  void SetImageSize(int width, int height);

  // Registers an observer; registering it again leaves it registered once.
  void Subscribe(ImageListObserver& observer);
  void Unsubscribe(ImageListObserver& observer);

 private:
  void Changed();

  UniqueImageList list_;
  int width_;
  int height_;
  std::vector<ImageListObserver*> observers_;
};

}  // namespace velmora::ui
