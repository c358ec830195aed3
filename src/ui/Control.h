#pragma once
// A child control: a system control class (or one of ours) subclassed so that its messages
// reach this object, with messages the parent receives for it reflected back here.
#include <windows.h>
#include <string>

#include "ui/Window.h"

namespace velmora::ui {

struct ControlStyle {
  const char* className;
  DWORD style = 0;  // WS_CHILD and WS_VISIBLE are added
  DWORD exStyle = 0;
};

class Control : public Widget {
 public:
  Control(Widget& parent, int id, Bounds bounds, std::string text, ControlStyle look);
  ~Control() override;

  int Id() const { return id_; }
  bool HasWindow() const { return hwnd_ != nullptr; }
  const Bounds& Placement() const { return bounds_; }

  // Creates the window after the previous sibling in tab order, then its children.
  void CreateWindowNow();
  // Replaces the window by a new one with the same object, text, enabled state and font.
  void Recreate();
  // Windows created only when the form is first shown, after its creation handler.
  bool IsDeferred() const { return deferred_; }
  void SetDeferred(bool deferred) { deferred_ = deferred; }
  void SetStyle(ControlStyle look) { look_ = look; }

  static Control* FromHandle(HWND window);

  // A message the parent received for this control; true when this control answered it.
  virtual bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

  LRESULT CallDefault(UINT message, WPARAM wParam, LPARAM lParam) override {
    return DefSubclassProc(hwnd_, message, wParam, lParam);
  }
  void MoveToScale();

 protected:
  // Called after every creation of the window, recreation included.
  virtual void OnWindowCreated() {}
  virtual int ExtraCreationHeight() const { return 0; }

 private:
  static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR id, DWORD_PTR self);
  int id_;
  Bounds bounds_;
  ControlStyle look_;
  bool deferred_ = false;
};

}  // namespace velmora::ui
