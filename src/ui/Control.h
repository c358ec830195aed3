#pragma once
// A child control: a system control class (or one of ours) whose window procedure is replaced by
// the toolkit's, so that its messages reach this object, with messages the parent receives for it
// reflected back here.
#include <windows.h>
#include <functional>
#include <string>

#include "ui/Window.h"

namespace velmora::ui {

struct ControlStyle {
  const char* className;
  DWORD style = 0;  // WS_CHILD and WS_VISIBLE are added
  DWORD exStyle = 0;
  // A Unicode window (CreateWindowExW): what the user types or pastes reaches it unchanged. An
  // ANSI window gets a paste already converted to the code page, look-alikes and "?" included.
  bool unicode = false;
};

using Event = std::function<void()>;

// The modifier keys held with a key.
struct ShiftState {
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
};
using KeyEvent = std::function<void(WORD key, ShiftState shift)>;

class Control : public Widget {
 public:
  Control(Widget& parent, int id, Bounds bounds, std::string text, ControlStyle look);
  ~Control() override;

  int Id() const { return id_; }
  bool HasWindow() const { return hwnd_ != nullptr; }

  // Creates the window after the previous sibling in tab order, then its children.
  void CreateWindowNow();
  // Replaces the window by a new one with the same object, children and tab place, carrying
  // what the user left in the old one (text, enabled state, check mark, chosen item).
  void Recreate();
  // Windows created only when the form is first shown, after its creation handler.
  bool IsDeferred() const { return deferred_; }
  void SetDeferred(bool deferred) { deferred_ = deferred; }
  // An owner-drawn list that keeps no data with its items: the parent's object answers the
  // notice the list sends for each item it drops (WM_DELETEITEM) at once, without handing it on
  // to the parent's own procedure: a list of 20,000 items sends 20,000 of them.
  bool KeepsNoItemData() const { return keepsNoItemData_; }
  void SetKeepsNoItemData(bool value) { keepsNoItemData_ = value; }

  // A message the parent received for this control; true when this control answered it.
  bool Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

  void MoveToScale();

  // Raised by a key pressed while the control has the focus, before the control handles it.
  KeyEvent onKeyDown;

 protected:
  // The class and styles of the next window. A control whose styles follow its properties
  // computes them here, and recreates its window when one of them changes.
  virtual ControlStyle CreationStyle() const { return look_; }
  // Called after every creation of the window, recreation included.
  virtual void OnWindowCreated() {}
  // Reads what the user changed in the window into this object before the window goes, so that
  // OnWindowCreated can give it to the next one.
  virtual void SaveWindowState();
  virtual int ExtraCreationHeight() const { return 0; }
  // The window's size as the layout gives it, at the window's DPI: the size it is made with and
  // moved to. A control whose content may need more room computes that here.
  virtual SIZE FrameSize();

  // Notifications the parent hands back: a WM_COMMAND code, an owner-drawn item to draw or to
  // measure. True when handled.
  virtual bool OnCommand(WORD code);
  virtual bool OnDrawItem(const DRAWITEMSTRUCT& item);
  virtual bool OnMeasureItem(MEASUREITEMSTRUCT& item);

  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void SaveTreeState();
  bool ReflectColor(UINT message, WPARAM wParam, LRESULT& result);

  int id_;
  Bounds bounds_;
  ControlStyle look_;
  bool deferred_ = false;
  bool keepsNoItemData_ = false;
};

}  // namespace velmora::ui
