#pragma once
// The standard controls of the main window, as thin objects over the system classes.
#include <functional>
#include <string>
#include <vector>

#include "ui/Control.h"
#include "ui/Handles.h"

namespace velmora::ui {

// A one-line label. It grows to the right and downwards when its font needs more room than the
// layout gave it, so that no character is cut or wrapped out of sight: it is made at that size,
// and grows again when its font changes.
class Label : public Control {
 public:
  Label(Widget& parent, int id, Bounds bounds, std::string text);

 protected:
  SIZE FrameSize() override;
  void OnFontChanged() override { FitText(); }

 private:
  void FitText();
};

class Edit : public Control {
 public:
  struct Options {
    bool readOnly = false;
    bool tabStop = true;
    // Keeps typed and pasted text that the code page cannot hold, for WideText (ControlStyle).
    bool unicode = false;
  };
  Edit(Widget& parent, int id, Bounds bounds, Options options);
  // Giving the edit the text it already holds changes nothing and raises no change event.
  void SetText(const std::string& text);
  // Selects the whole text, so that what the user types next replaces it.
  void SelectAll();
  Event onChange;

 protected:
  bool OnCommand(WORD code) override;
};

class Button : public Control {
 public:
  Button(Widget& parent, int id, Bounds bounds, std::string text, DWORD style = BS_PUSHBUTTON);
  Event onClick;

 protected:
  bool OnCommand(WORD code) override;
};

class CheckBox : public Button {
 public:
  CheckBox(Widget& parent, int id, Bounds bounds, std::string text);
  bool Checked() const;
  void SetChecked(bool checked);

 protected:
  void OnWindowCreated() override;
  void SaveWindowState() override;

 private:
  bool checked_ = false;  // used while there is no window
};

class ComboBox : public Control {
 public:
  // The height of a drop-down list at 96 DPI, below the box's own.
  static constexpr int kDropDownHeight = 160;

  ComboBox(Widget& parent, int id, Bounds bounds, std::vector<std::string> items, DWORD style);
  // The selected item, -1 for none. In a box with an edit field it is the item whose text the
  // field holds, also when the user typed it rather than chose it.
  int ItemIndex() const;
  void SetItemIndex(int index);

 protected:
  void OnWindowCreated() override;
  void SaveWindowState() override;
  int ExtraCreationHeight() const override { return kDropDownHeight; }

 private:
  std::vector<std::string> items_;
  int itemIndex_ = -1;  // used while there is no window
};

// A framed group that holds controls of its own.
class GroupBox : public Control {
 public:
  GroupBox(Widget& parent, int id, Bounds bounds, std::string text);

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Paint(HDC dc);
};

// A panel with a raised outer and a lowered inner bevel.
class Panel : public Control {
 public:
  Panel(Widget& parent, int id, Bounds bounds);

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// A picture that shows one icon, which it owns, centred at the system's large-icon size for its
// DPI.
class Picture : public Control {
 public:
  Picture(Widget& parent, int id, Bounds bounds);
  HICON Icon() const { return icon_.Get(); }
  // Shows `icon`, or nothing, and destroys the icon shown before.
  void SetIcon(UniqueIcon icon);

 protected:
  bool OnDrawItem(const DRAWITEMSTRUCT& item) override;
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  UniqueIcon icon_;
};

// A list box that reports the user's choices: a changed selection and a double-click.
class ListBox : public Control {
 public:
  ListBox(Widget& parent, int id, Bounds bounds, ControlStyle look);
  // The selected position, -1 for none, as while the list has no window yet.
  int ItemIndex() const;
  // Selects an item (-1: none) without raising onClick, as the list box itself does not.
  void SetItemIndex(int index);
  int Count() const;

  Event onClick;     // the user changed the selection
  Event onDblClick;  // the user double-clicked an item

 protected:
  bool OnCommand(WORD code) override;
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void KeepFrame();

  // The scroll bars the rows were last fitted with; none fitted yet.
  DWORD fittedBars_ = ~DWORD{0};
};

}  // namespace velmora::ui
