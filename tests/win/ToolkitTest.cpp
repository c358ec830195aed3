// The window toolkit against the real user32 and comctl32: message reflection, the error
// boundary, window recreation, inherited fonts, DPI scaling, the radio group, the group box's
// drawing for its children and the Enter rule.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ReportCapture.h"
#include "base/Error.h"
#include "ui/ImageList.h"
#include "ui/Handles.h"
#include "ui/MessageLoop.h"
#include "ui/RadioGroup.h"
#include "ui/StdControls.h"
#include "ui/Window.h"

using namespace velmora;
using namespace velmora::ui;

namespace {

// An edit that records the Enter keys it receives.
class RecordingEdit : public Edit {
 public:
  using Edit::Edit;
  int enterKeys = 0;

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_KEYDOWN && wParam == VK_RETURN)
      ++enterKeys;
    return Edit::OnMessage(message, wParam, lParam);
  }
};

class TestForm : public Form {
 public:
  TestForm()
      : Form(FontSpec{"Tahoma", 12, DEFAULT_CHARSET, CLR_DEFAULT, false}),
        button(*this, 201, {10, 10, 80, 24}, "Button"),
        edit(*this, 202, {10, 50, 80, 20}, {}),
        group(*this, 203, {120, 10, 200, 120}, "Group"),
        inner(group, 204, {10, 20, 80, 24}, "Inner"),
        innerEdit(group, 205, {10, 60, 80, 20}, {}),
        deferredList(*this, 206, {10, 150, 100, 60}, {"LISTBOX", LBS_NOTIFY | WS_TABSTOP}),
        defaultButton(*this, 207, {10, 220, 80, 24}, "Default"),
        radios(*this, 208, {120, 140, 241, 145}, "Radios", {"a", "b", "c", "d", "e", "f"}, 2, 210),
        check(group, 220, {10, 90, 80, 17}, "Check"),
        combo(group, 221, {100, 90, 80, 20}, {"one", "two", "three"}, CBS_DROPDOWNLIST),
        editCombo(*this, 222, {100, 220, 80, 20}, {"one", "two", "three"}, CBS_DROPDOWN),
        wideEdit(group, 223, {100, 60, 80, 20}, {.unicode = true}) {
    deferredList.SetDeferred(true);
  }
  void Build() {
    CreateForm("VelmoraToolkitTest", WS_OVERLAPPEDWINDOW, WS_EX_CONTROLPARENT, SIZE{400, 300},
               nullptr, nullptr);
  }
  void ShowDeferred() { CreateDeferredWindows(); }

  Button button;
  RecordingEdit edit;
  GroupBox group;
  Button inner;
  Edit innerEdit;
  ListBox deferredList;
  Button defaultButton;
  RadioGroup radios;
  CheckBox check;
  ComboBox combo;
  ComboBox editCombo;
  Edit wideEdit;
};

RECT PlacementInParent(HWND child) {
  RECT box{};
  GetWindowRect(child, &box);
  MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&box), 2);
  return box;
}

LONG FontHeight(HWND window) {
  LOGFONTA font{};
  GetObjectA(reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)), sizeof(font), &font);
  return font.lfHeight;
}

class Toolkit : public ::testing::Test {
 protected:
  void SetUp() override {
    form.Build();
    ASSERT_NE(form.Handle(), nullptr);
  }

  const velmora::testing::ReportCapture reports;
  TestForm form;
};

TEST_F(Toolkit, ClicksReachTheControlObjectAlsoInsideAGroup) {
  int outerClicks = 0;
  int innerClicks = 0;
  form.button.onClick = [&] { ++outerClicks; };
  form.inner.onClick = [&] { ++innerClicks; };
  SendMessageA(form.button.Handle(), BM_CLICK, 0, 0);
  SendMessageA(form.inner.Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(outerClicks, 1);
  EXPECT_EQ(innerClicks, 1);
  EXPECT_EQ(Control::FromHandle(form.inner.Handle()), &form.inner);
}

TEST_F(Toolkit, EachHandlerErrorIsReportedOnItsOwnAndTheOuterHandlerGoesOn) {
  std::vector<std::string> steps;
  form.edit.onChange = [&] {
    steps.push_back("change");
    throw Error("inner failure");
  };
  form.button.onClick = [&] {
    form.edit.SetText("new text");
    steps.push_back("after");
    throw Error("outer failure");
  };
  SendMessageA(form.button.Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(steps, (std::vector<std::string>{"change", "after"}));
  EXPECT_EQ(reports.Messages(), (std::vector<std::string>{"inner failure", "outer failure"}));
  EXPECT_TRUE(IsWindow(form.Handle()));
}

TEST_F(Toolkit, SettingTheSameTextRaisesNoChange) {
  int changes = 0;
  form.edit.onChange = [&] { ++changes; };
  form.edit.SetText("x");
  form.edit.SetText("x");
  EXPECT_EQ(changes, 1);
}

TEST_F(Toolkit, RecreationKeepsObjectStateAndTabOrder) {
  form.innerEdit.SetText("kept");
  form.innerEdit.SetEnabled(false);
  HWND before = form.group.Handle();
  HWND oldInner = form.inner.Handle();
  form.group.Recreate();

  EXPECT_NE(form.group.Handle(), before);
  EXPECT_FALSE(IsWindow(oldInner));
  ASSERT_TRUE(IsWindow(form.inner.Handle()));
  EXPECT_EQ(GetParent(form.inner.Handle()), form.group.Handle());
  EXPECT_EQ(Control::FromHandle(form.group.Handle()), &form.group);
  EXPECT_EQ(form.innerEdit.Text(), "kept");
  EXPECT_FALSE(form.innerEdit.Enabled());
  // Still between the edit and the list in the parent's tab order.
  EXPECT_EQ(GetWindow(form.edit.Handle(), GW_HWNDNEXT), form.group.Handle());

  int clicks = 0;
  form.inner.onClick = [&] { ++clicks; };
  SendMessageA(form.inner.Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(clicks, 1);
}

TEST_F(Toolkit, RecreationKeepsWhatTheUserDidInTheWindows) {
  // Through the windows only, as the user does it: the objects are not told.
  SendMessageA(form.check.Handle(), BM_CLICK, 0, 0);
  SendMessageA(form.combo.Handle(), CB_SETCURSEL, 2, 0);
  SetWindowTextA(form.innerEdit.Handle(), "typed");
  form.group.Recreate();
  EXPECT_TRUE(form.check.Checked());
  EXPECT_EQ(form.combo.ItemIndex(), 2);
  EXPECT_EQ(form.innerEdit.Text(), "typed");

  SendMessageA(form.check.Handle(), BM_CLICK, 0, 0);
  form.group.Recreate();
  EXPECT_FALSE(form.check.Checked());
}

// Each window is bound to its object by the toolkit's own procedure and a table: a recreated
// window must reach its object for keys and reflected colours, and a destroyed one must leave no
// entry that a later window with the same handle value could reach.
TEST_F(Toolkit, RecreatedWindowsReachTheirObjectsAndDestroyedOnesNone) {
  form.innerEdit.SetFontColor(RGB(1, 2, 3));
  std::vector<WORD> keys;
  form.innerEdit.onKeyDown = [&](WORD key, ShiftState) { keys.push_back(key); };
  const HWND oldEdit = form.innerEdit.Handle();
  form.group.Recreate();
  ASSERT_NE(form.innerEdit.Handle(), oldEdit);
  EXPECT_EQ(Control::FromHandle(oldEdit), nullptr);

  SendMessageA(form.innerEdit.Handle(), WM_KEYDOWN, 'A', 0);
  EXPECT_EQ(keys, std::vector<WORD>{'A'});
  {
    const WindowDcScope dc(form.innerEdit.Handle());
    SendMessageA(form.group.Handle(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc.Dc()),
                 reinterpret_cast<LPARAM>(form.innerEdit.Handle()));
    EXPECT_EQ(GetTextColor(dc.Dc()), RGB(1, 2, 3));
  }

  const HWND group = form.group.Handle();
  const HWND inner = form.inner.Handle();
  DestroyWindow(group);
  EXPECT_FALSE(form.group.HasWindow());
  EXPECT_FALSE(form.inner.HasWindow());
  EXPECT_EQ(Control::FromHandle(group), nullptr);
  EXPECT_EQ(Control::FromHandle(inner), nullptr);
}

// Another procedure put in front of the toolkit's, as a library may: the object lets go of the
// window without taking that procedure's place, and the window still ends through it.
WNDPROC behindFront = nullptr;
int frontEnds = 0;
LRESULT CALLBACK FrontProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCDESTROY)
    ++frontEnds;
  return CallWindowProcA(behindFront, window, message, wParam, lParam);
}

TEST_F(Toolkit, AProcedureInFrontKeepsItsPlaceAndTheFormGoesWithItsBindingAsControlsDo) {
  const HWND oldEdit = form.edit.Handle();
  behindFront = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(oldEdit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FrontProc)));
  form.edit.Recreate();
  EXPECT_FALSE(IsWindow(oldEdit));
  EXPECT_EQ(frontEnds, 1);
  EXPECT_EQ(Control::FromHandle(oldEdit), nullptr);
  SendMessageA(form.edit.Handle(), WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_EQ(form.edit.enterKeys, 1);

  const HWND window = form.Handle();
  EXPECT_EQ(Widget::FromHandle(window), &form);
  DestroyWindow(window);
  EXPECT_EQ(form.Handle(), nullptr);
  EXPECT_EQ(Widget::FromHandle(window), nullptr);
}

TEST_F(Toolkit, KeyDownCarriesTheKeyAndTheShiftState) {
  std::vector<std::pair<WORD, bool>> keys;
  form.edit.onKeyDown = [&](WORD key, ShiftState shift) { keys.emplace_back(key, shift.shift); };
  BYTE state[256] = {};
  GetKeyboardState(state);
  SendMessageA(form.edit.Handle(), WM_KEYDOWN, 'A', 0);
  state[VK_SHIFT] = 0x80;
  SetKeyboardState(state);
  SendMessageA(form.edit.Handle(), WM_KEYDOWN, VK_RETURN, 0);
  state[VK_SHIFT] = 0;
  SetKeyboardState(state);
  EXPECT_EQ(keys, (std::vector<std::pair<WORD, bool>>{{'A', false}, {VK_RETURN, true}}));
}

TEST_F(Toolkit, ChildrenInheritTheParentFontUnlessTheyHaveTheirOwn) {
  FontSpec own = form.Font();
  own.height = 20;
  form.button.SetFont(own);
  FontSpec bold = form.Font();
  bold.bold = true;
  form.group.SetFont(bold);

  const auto sent = [](const Control& control) {
    return reinterpret_cast<HFONT>(SendMessageA(control.Handle(), WM_GETFONT, 0, 0));
  };
  EXPECT_EQ(sent(form.inner), sent(form.group));
  LOGFONTA font{};
  GetObjectA(sent(form.inner), sizeof(font), &font);
  EXPECT_EQ(font.lfWeight, FW_BOLD);
  EXPECT_EQ(FontHeight(form.button.Handle()), -20);
  EXPECT_NE(sent(form.edit), sent(form.group));
}

TEST_F(Toolkit, LayoutAndFontsFollowADpiChange) {
  RECT suggested{0, 0, 600, 450};
  SendMessageA(form.Handle(), WM_DPICHANGED, MAKEWPARAM(144, 144),
               reinterpret_cast<LPARAM>(&suggested));
  const RECT button = PlacementInParent(form.button.Handle());
  EXPECT_EQ(button.left, 15);
  EXPECT_EQ(button.top, 15);
  EXPECT_EQ(button.right - button.left, 120);
  EXPECT_EQ(button.bottom - button.top, 36);
  const RECT inner = PlacementInParent(form.inner.Handle());
  EXPECT_EQ(inner.left, 15);
  EXPECT_EQ(inner.top, 30);
  EXPECT_EQ(FontHeight(form.inner.Handle()), -18);
}

TEST_F(Toolkit, DeferredListHasNoSelectionUntilItHasAWindow) {
  EXPECT_FALSE(form.deferredList.HasWindow());
  EXPECT_EQ(form.deferredList.ItemIndex(), -1);
  form.ShowDeferred();
  ASSERT_TRUE(form.deferredList.HasWindow());
  EXPECT_EQ(form.deferredList.ItemIndex(), -1);
  // Created late, it still takes its place in the tab order.
  EXPECT_EQ(GetWindow(form.group.Handle(), GW_HWNDNEXT), form.deferredList.Handle());
}

TEST_F(Toolkit, RadioGroupRaisesClickOnlyForARealChange) {
  int clicks = 0;
  form.radios.onClick = [&] { ++clicks; };
  form.radios.SetItemIndex(2);
  form.radios.SetItemIndex(2);
  EXPECT_EQ(clicks, 1);
  form.radios.SetItemIndex(-1);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(form.radios.ItemIndex(), -1);
  for (int id = 210; id < 216; ++id) {
    EXPECT_EQ(SendMessageA(GetDlgItem(form.radios.Handle(), id), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  }
  SendMessageA(GetDlgItem(form.radios.Handle(), 214), BM_CLICK, 0, 0);
  EXPECT_EQ(form.radios.ItemIndex(), 4);
  EXPECT_EQ(clicks, 2);
}

TEST_F(Toolkit, TypedTextThatIsAnItemSelectsThatItem) {
  const HWND edit = FindWindowExA(form.editCombo.Handle(), nullptr, "Edit", nullptr);
  ASSERT_NE(edit, nullptr);
  const auto type = [edit](const std::string& text) {
    for (char c : text)
      SendMessageA(edit, WM_CHAR, static_cast<WPARAM>(c), 1);
  };
  form.editCombo.SetItemIndex(0);
  EXPECT_EQ(form.editCombo.ItemIndex(), 0);
  SendMessageA(edit, EM_SETSEL, 0, -1);
  type("THREE");
  EXPECT_EQ(form.editCombo.ItemIndex(), 2);
  type("x");
  EXPECT_EQ(form.editCombo.ItemIndex(), -1);
  form.editCombo.Recreate();
  EXPECT_EQ(form.editCombo.ItemIndex(), -1);
  form.combo.SetItemIndex(1);
  EXPECT_EQ(form.combo.ItemIndex(), 1);
}

TEST_F(Toolkit, RadioItemsFillColumnsFromTopToBottom) {
  const RECT first = PlacementInParent(GetDlgItem(form.radios.Handle(), 210));
  const RECT third = PlacementInParent(GetDlgItem(form.radios.Handle(), 212));
  const RECT fourth = PlacementInParent(GetDlgItem(form.radios.Handle(), 213));
  EXPECT_EQ(fourth.top, first.top);
  EXPECT_GT(fourth.left, first.left);
  EXPECT_EQ(third.left, first.left);
  EXPECT_GT(third.top, first.top);
}

// A themed child (a radio button) asks its group for the background under it by WM_PRINTCLIENT,
// in the child's own DC: the group draws its frame there and hands the DC back as it came.
TEST_F(Toolkit, GroupDrawsItsFrameIntoAChildsDcAndLeavesTheDcAsItCame) {
  RECT client{};
  GetClientRect(form.group.Handle(), &client);
  const WindowDcScope screen(nullptr);
  const UniqueMemoryDc dc(CreateCompatibleDC(screen.Dc()));
  const UniqueBitmap bitmap(CreateCompatibleBitmap(screen.Dc(), client.right, client.bottom));
  const SelectScope select(dc.Get(), bitmap.Get());
  const COLORREF white = RGB(255, 255, 255);
  const UniqueBrush brush(CreateSolidBrush(white));
  FillRect(dc.Get(), &client, brush.Get());
  SetTextColor(dc.Get(), RGB(1, 2, 3));
  SetBkMode(dc.Get(), TRANSPARENT);

  SendMessageA(form.group.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.Get()), PRF_CLIENT);
  EXPECT_NE(GetPixel(dc.Get(), 0, client.bottom / 2), white);  // the frame's left edge
  EXPECT_EQ(GetTextColor(dc.Get()), RGB(1, 2, 3));
  EXPECT_EQ(GetBkMode(dc.Get()), TRANSPARENT);
}

// Posts the key, then a quit, and runs the program's loop until the quit.
void PressEnter(HWND target, HWND form) {
  PostMessageA(target, WM_KEYDOWN, VK_RETURN, 0x001C0001);
  PostQuitMessage(0);
  RunMessageLoop(form, 207);
}

TEST_F(Toolkit, EnterRunsTheDefaultButtonInsteadOfTheFocusedEdit) {
  int defaults = 0;
  int buttons = 0;
  form.defaultButton.onClick = [&] { ++defaults; };
  form.button.onClick = [&] { ++buttons; };

  PressEnter(form.edit.Handle(), form.Handle());
  EXPECT_EQ(defaults, 1);
  EXPECT_EQ(form.edit.enterKeys, 0);

  form.defaultButton.SetEnabled(false);
  PressEnter(form.edit.Handle(), form.Handle());
  EXPECT_EQ(defaults, 1);
  EXPECT_EQ(form.edit.enterKeys, 1);

  PressEnter(form.button.Handle(), form.Handle());
  EXPECT_EQ(buttons, 1);
  EXPECT_EQ(defaults, 1);
}

TEST_F(Toolkit, EnterInAnOpenListChoosesTheItemAndNotTheDefaultButton) {
  int defaults = 0;
  form.defaultButton.onClick = [&] { ++defaults; };
  ShowWindow(form.Handle(), SW_SHOWNORMAL);
  for (ComboBox* combo : {&form.combo, &form.editCombo}) {
    combo->SetItemIndex(0);
    SetFocus(combo->Handle());
    const HWND focus = GetFocus();
    SendMessageA(combo->Handle(), CB_SHOWDROPDOWN, TRUE, 0);
    ASSERT_TRUE(SendMessageA(combo->Handle(), CB_GETDROPPEDSTATE, 0, 0));
    PostMessageA(focus, WM_KEYDOWN, VK_DOWN, 0x01500001);
    PressEnter(focus, form.Handle());
    EXPECT_EQ(defaults, 0);
    EXPECT_FALSE(SendMessageA(combo->Handle(), CB_GETDROPPEDSTATE, 0, 0));
    EXPECT_EQ(combo->ItemIndex(), 1);
  }
  // Closed, the list leaves Enter to the default button again.
  PressEnter(GetFocus(), form.Handle());
  EXPECT_EQ(defaults, 1);
}

TEST_F(Toolkit, AUnicodeEditKeepsTypedTextTheCodePageCannotHold) {
  ASSERT_TRUE(IsWindowUnicode(form.wideEdit.Handle()));
  EXPECT_FALSE(IsWindowUnicode(form.edit.Handle()));
  // Typed through the program's loop, which must not narrow the characters on the way.
  for (const wchar_t character : std::wstring(L"caf\u00E9 \uD55C"))
    PostMessageW(form.wideEdit.Handle(), WM_CHAR, character, 1);
  PostQuitMessage(0);
  RunMessageLoop(form.Handle(), 207);
  EXPECT_EQ(form.wideEdit.WideText(), L"caf\u00E9 \uD55C");

  form.group.Recreate();
  EXPECT_EQ(form.wideEdit.WideText(), L"caf\u00E9 \uD55C");
  // "cafe" is another text, although the code page shows "café" as "cafe".
  form.wideEdit.SetText("cafe");
  EXPECT_EQ(form.wideEdit.WideText(), L"cafe");
}

}  // namespace

namespace velmora::ui {
namespace {

struct CountingObserver : ImageListObserver {
  void ImageListChanged(ImageList&) override { ++changes; }
  void ImageListDestroyed(ImageList&) override { ++ends; }
  int changes = 0;
  int ends = 0;
};

TEST(ImageList, ObserversHearEachChangeOnceAndTheEndOfTheList) {
  CountingObserver twice;
  CountingObserver gone;
  {
    ImageList list(16, 16);
    list.Subscribe(twice);
    list.Subscribe(twice);
    list.Subscribe(gone);
    const HICON icon = LoadIconA(nullptr, IDI_APPLICATION);  // shared: not ours to destroy
    EXPECT_EQ(list.AddIcon(icon), 0);
    EXPECT_EQ(list.AddIcon(nullptr), -1);
    EXPECT_EQ(list.Count(), 1);
    list.Unsubscribe(gone);
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
  }
  EXPECT_EQ(twice.changes, 2);
  EXPECT_EQ(twice.ends, 1);
  EXPECT_EQ(gone.changes, 1);
  EXPECT_EQ(gone.ends, 0);
}

}  // namespace
}  // namespace velmora::ui
