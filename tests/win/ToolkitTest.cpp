// The window toolkit against the real user32 and comctl32: message reflection, the error
// boundary, window recreation, inherited fonts, DPI scaling, the radio group, the group box's
// drawing for its children and the Enter rule.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/Error.h"
#include "ui/ErrorReport.h"
#include "ui/Handles.h"
#include "ui/MessageLoop.h"
#include "ui/RadioGroup.h"
#include "ui/StdControls.h"
#include "ui/Window.h"

using namespace velmora;
using namespace velmora::ui;

namespace {

std::vector<std::string> g_reports;
void RecordReport(std::string_view message) {
  g_reports.emplace_back(message);
}

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
        deferredList(*this, 206, {10, 150, 100, 60}, LBS_NOTIFY | WS_TABSTOP),
        defaultButton(*this, 207, {10, 220, 80, 24}, "Default"),
        radios(*this, 208, {120, 140, 241, 145}, "Radios", {"a", "b", "c", "d", "e", "f"}, 2, 210) {
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
    g_reports.clear();
    SetErrorSink(&RecordReport);
    form.Build();
    ASSERT_NE(form.Handle(), nullptr);
  }
  void TearDown() override { SetErrorSink(nullptr); }

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
  EXPECT_EQ(g_reports, (std::vector<std::string>{"inner failure", "outer failure"}));
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

TEST_F(Toolkit, DeferredListReadsZeroUntilItHasAWindow) {
  EXPECT_FALSE(form.deferredList.HasWindow());
  EXPECT_EQ(form.deferredList.ItemIndex(), 0);
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

}  // namespace
