#pragma once
// Window objects: a Widget is one window bound to one C++ object; a Form is a top-level window
// of our own class that lays out its controls at 96 DPI and scales them to the display.
// Forms and controls are bound alike (Binding.cpp): the toolkit's window procedure finds the
// object in a table of the process and hands it the window's messages.
#include <windows.h>
#include <optional>
#include <string>
#include <vector>

#include "ui/Font.h"

namespace velmora::ui {

class Control;

// Position and size in pixels at 96 DPI, relative to the parent's client area.
struct Bounds {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

class Widget {
 public:
  virtual ~Widget() = default;
  Widget(const Widget&) = delete;
  Widget& operator=(const Widget&) = delete;

  HWND Handle() const { return hwnd_; }
  Widget* Parent() const { return parent_; }
  const std::vector<Control*>& Children() const { return children_; }

  virtual int Dpi() const { return parent_->Dpi(); }
  virtual FontCache& Fonts() { return parent_->Fonts(); }
  int Scale(int value) const { return ScaleToDpi(value, Dpi()); }

  // The widget's own font, or its parent's when it has none.
  const FontSpec& Font() const { return font_ ? *font_ : parent_->Font(); }
  void SetFont(const FontSpec& font);
  void SetFontColor(COLORREF color);

  bool Enabled() const;
  void SetEnabled(bool enabled);
  std::string Text() const;
  // The text with every character the window holds, also those the code page lacks (a Unicode
  // window's); Text() gives the code page's nearest form of those.
  std::wstring WideText() const;
  void SetText(const std::string& text);

  // The window's own procedure for a message, bypassing this object's handling.
  virtual LRESULT CallDefault(UINT message, WPARAM wParam, LPARAM lParam);

  // The object a window of this process is bound to, or nullptr.
  static Widget* FromHandle(HWND window);

 protected:
  explicit Widget(Widget* parent) : parent_(parent) {}

  // This object's handling of its window's messages. Exceptions that leave it are shown by the
  // standard error report at the window-procedure boundary, and the program goes on.
  virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  // The window's font changed: its own, an inherited one, or one made for a new DPI.
  virtual void OnFontChanged() {}
  // Hands the controls' notifications (WM_COMMAND, WM_DRAWITEM, WM_MEASUREITEM, WM_CTLCOLOR*)
  // back to the child control they concern, and answers WM_DELETEITEM for a child that keeps no
  // item data.
  bool ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  Control* ChildById(int id) const;
  Control* ChildByHandle(HWND window) const;
  // Takes a new control into its parent's children, in layout order, which is the tab order.
  static void AddChild(Widget& parent, Control& child) { parent.children_.push_back(&child); }
  // Sends the current font to this window and to every descendant that inherits it.
  void ApplyFontToTree();
  void CreateChildWindows();
  void CreateDeferredWindows();
  void MoveChildrenToScale();

  // The toolkit's window procedure, of every window bound to an object. A window of a class
  // registered with it is bound at WM_NCCREATE to the object passed to CreateWindowEx, with the
  // default procedure behind it.
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  // Binds a window made with a procedure of its own (a system control's) to this object by
  // putting the toolkit's procedure in front of that one.
  void Bind(HWND window);
  // Lets go of the window before it is destroyed, giving it its own procedure back.
  void Unbind();

  HWND hwnd_ = nullptr;
  Widget* parent_;
  std::optional<FontSpec> font_;
  std::vector<Control*> children_;
  std::string text_;       // used while there is no window
  std::wstring wideText_;  // the same, kept whole from a Unicode window; empty after SetText
  bool enabled_ = true;    // used while there is no window

 private:
  void AddBinding(HWND window, WNDPROC ownProc, bool unicode);

  // The window's own procedure, called as it expects its messages: ANSI or Unicode.
  WNDPROC windowProc_ = nullptr;
  bool unicode_ = false;
};

class Form : public Widget {
 public:
  ~Form() override;
  int Dpi() const override { return dpi_; }
  FontCache& Fonts() override { return fonts_; }

 protected:
  explicit Form(FontSpec font) : Widget(nullptr) { font_ = std::move(font); }
  // Registers the class once and creates the invisible window with a client area of the given
  // size at 96 DPI, scaled to the system DPI, then its controls.
  void CreateForm(const char* className, DWORD style, DWORD exStyle, SIZE client96, HICON bigIcon,
                  HICON smallIcon);
  // Centres the window on the screen's work area.
  void CenterOnScreen();
  // Gives the focus to a control now, or when the window is next activated.
  void FocusControl(const Control& control);
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void OnDpiChanged(int dpi, const RECT& suggested);
  void MoveFocus(HWND control);
  void RestoreFocus();

  int dpi_ = 96;
  HWND focusOnActivate_ = nullptr;
  FontCache fonts_;
};

}  // namespace velmora::ui
