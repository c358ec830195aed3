#pragma once
// The standard controls of the main window, as thin objects over the system classes.
#include <functional>
#include <string>
#include <vector>

#include "ui/Control.h"

namespace velmora::ui {

using Event = std::function<void()>;

class Label : public Control {
 public:
  Label(Widget& parent, int id, Bounds bounds, std::string text);
};

class Edit : public Control {
 public:
  struct Options {
    bool readOnly = false;
    bool tabStop = true;
  };
  Edit(Widget& parent, int id, Bounds bounds, Options options);
  // Giving the edit the text it already holds changes nothing and raises no change event.
  void SetText(const std::string& text);
  Event onChange;

  bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};

class Button : public Control {
 public:
  Button(Widget& parent, int id, Bounds bounds, std::string text, DWORD style = BS_PUSHBUTTON);
  Event onClick;

  bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};

class CheckBox : public Button {
 public:
  CheckBox(Widget& parent, int id, Bounds bounds, std::string text);
  bool Checked() const;
  void SetChecked(bool checked);

 protected:
  void OnWindowCreated() override;

 private:
  bool checked_ = false;  // kept for the recreation of the window
};

class ComboBox : public Control {
 public:
  ComboBox(Widget& parent, int id, Bounds bounds, std::vector<std::string> items, DWORD style);
  int ItemIndex() const;
  void SetItemIndex(int index);

 protected:
  void OnWindowCreated() override;
  int ExtraCreationHeight() const override { return 160; }  // the drop-down list

 private:
  std::vector<std::string> items_;
  int itemIndex_ = -1;  // kept while there is no window
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

// A picture that shows one icon, centred.
class Picture : public Control {
 public:
  Picture(Widget& parent, int id, Bounds bounds);
};

class ListBox : public Control {
 public:
  ListBox(Widget& parent, int id, Bounds bounds, DWORD style);
  // The selected position, -1 for none; 0 while the list has no window yet.
  int ItemIndex() const;
};

}  // namespace velmora::ui
