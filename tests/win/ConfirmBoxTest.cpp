// The program's confirmation box, shown from the test's thread while a second thread finds it,
// looks at it the way a user would and answers it.
#include "app/Confirmation.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <functional>
#include <iterator>
#include <string>
#include <thread>

#include "TestFiles.h"

namespace velmora {
namespace {

using testing::Acp;

const std::wstring kMessage = L"\"メモ帳\"を「C:\\ソフト\\Tools」に作成します。よろしいですか？";

struct Seen {
  bool found = false;
  bool answered = false;
  std::wstring caption, yes, no, text;
  HWND owner = nullptr;
  bool ownerEnabled = true;
  RECT box{}, work{};
  int textHeight = 0, neededTextHeight = 0, lineHeight = 0;
  bool controlsInside = false;
  bool glyphsPresent = false;
  bool hasIcon = false;
  int defaultId = 0, focusId = 0;
};

std::wstring ItemText(HWND box, int id) {
  wchar_t buffer[1024] = {};
  GetDlgItemTextW(box, id, buffer, 1024);
  return buffer;
}

bool Inside(const RECT& outer, const RECT& inner) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

RECT ClientRectIn(HWND parent, HWND control) {
  RECT rect{};
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

HWND FindBox(DWORD thread) {
  for (HWND box = FindWindowExW(nullptr, nullptr, L"#32770", L"確認"); box != nullptr;
       box = FindWindowExW(nullptr, box, L"#32770", L"確認")) {
    if (GetWindowThreadProcessId(box, nullptr) == thread && IsWindowVisible(box)) {
      return box;
    }
  }
  return nullptr;
}

void Look(HWND box, DWORD thread, Seen& seen) {
  wchar_t caption[64] = {};
  GetWindowTextW(box, caption, 64);
  seen.caption = caption;
  seen.yes = ItemText(box, kConfirmYesId);
  seen.no = ItemText(box, kConfirmNoId);
  seen.text = ItemText(box, kConfirmTextId);
  seen.owner = GetWindow(box, GW_OWNER);
  seen.ownerEnabled = seen.owner != nullptr && IsWindowEnabled(seen.owner);
  GetWindowRect(box, &seen.box);
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &seen.work, 0);
  seen.hasIcon = SendDlgItemMessageW(box, kConfirmIconId, STM_GETICON, 0, 0) != 0;

  RECT client{};
  GetClientRect(box, &client);
  const HWND text = GetDlgItem(box, kConfirmTextId);
  const RECT textRect = ClientRectIn(box, text);
  const RECT yesRect = ClientRectIn(box, GetDlgItem(box, kConfirmYesId));
  const RECT noRect = ClientRectIn(box, GetDlgItem(box, kConfirmNoId));
  RECT overlap{};
  seen.controlsInside = Inside(client, textRect) && Inside(client, yesRect) &&
                        Inside(client, noRect) && !IntersectRect(&overlap, &textRect, &yesRect) &&
                        !IntersectRect(&overlap, &yesRect, &noRect);

  // Measure the text the way the static draws it, in its own font and width.
  RECT textClient{};
  GetClientRect(text, &textClient);
  seen.textHeight = textClient.bottom;
  const HDC dc = GetDC(text);
  const HGDIOBJ old =
      SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(text, WM_GETFONT, 0, 0)));
  RECT needed{0, 0, textClient.right, 0};
  DrawTextW(dc, seen.text.c_str(), static_cast<int>(seen.text.size()), &needed,
            DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX | DT_EDITCONTROL);
  seen.neededTextHeight = needed.bottom;
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  seen.lineHeight = metrics.tmHeight;
  const wchar_t japanese[] = L"確認はいえソメモ帳作成";
  WORD glyphs[std::size(japanese) - 1] = {};
  seen.glyphsPresent = GetGlyphIndicesW(dc, japanese, static_cast<int>(std::size(glyphs)), glyphs,
                                        GGI_MARK_NONEXISTING_GLYPHS) != GDI_ERROR;
  for (WORD glyph : glyphs) {
    seen.glyphsPresent = seen.glyphsPresent && glyph != 0xFFFF && glyph != 0;
  }
  SelectObject(dc, old);
  ReleaseDC(text, dc);

  const LRESULT defId = SendMessageW(box, DM_GETDEFID, 0, 0);
  seen.defaultId = HIWORD(defId) == DC_HASDEFID ? LOWORD(defId) : 0;
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  seen.focusId = GetGUIThreadInfo(thread, &info) ? GetDlgCtrlID(info.hwndFocus) : 0;
}

HWND Focused(DWORD thread) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(thread, &info) ? info.hwndFocus : nullptr;
}

using Answer = std::function<void(HWND box, DWORD thread)>;

// Shows the box on this thread; the helper waits for it, looks, answers and, should the box
// ignore the answer, closes it so that the test does not hang.
bool ShowAndAnswer(HWND owner, const std::string& text, const Answer& answer, Seen& seen,
                   DefaultAnswer defaultAnswer = DefaultAnswer::kYes) {
  const DWORD thread = GetCurrentThreadId();
  std::thread helper([&] {
    HWND box = nullptr;
    for (int i = 0; i < 500 && box == nullptr; ++i) {
      box = FindBox(thread);
      if (box == nullptr) {
        Sleep(20);
      }
    }
    if (box == nullptr) {
      return;
    }
    seen.found = true;
    Look(box, thread, seen);
    answer(box, thread);
    for (int i = 0; i < 250 && IsWindow(box); ++i) {
      Sleep(20);
    }
    seen.answered = !IsWindow(box);
    if (!seen.answered) {
      PostMessageW(box, WM_COMMAND, MAKEWPARAM(kConfirmNoId, BN_CLICKED), 0);
    }
  });
  const bool result = AskConfirmation(owner, text, kConfirmBox, defaultAnswer);
  helper.join();
  return result;
}

void Click(HWND box, int id) {
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(GetDlgItem(box, id), BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored);
}

void PostKey(HWND target, WPARAM key) {
  PostMessageW(target, WM_KEYDOWN, key, 1);
  PostMessageW(target, WM_KEYUP, key, 0xC0000001);
}

TEST(ConfirmBoxTest, ShowsTheQuestionCentredOnTheScreenAndYesAnswersTrue) {
  const std::string text = Acp(kMessage);
  ASSERT_NE(text.find("\x83\x5C"), std::string::npos);
  Seen seen;
  const bool result = ShowAndAnswer(
      nullptr, text, [](HWND box, DWORD) { Click(box, kConfirmYesId); }, seen);
  ASSERT_TRUE(seen.found);
  EXPECT_TRUE(seen.answered);
  EXPECT_TRUE(result);

  EXPECT_EQ(seen.caption, L"確認");
  EXPECT_EQ(seen.yes, L"はい(&Y)");
  EXPECT_EQ(seen.no, L"いいえ(&N)");
  EXPECT_EQ(seen.text, kMessage);
  EXPECT_TRUE(seen.hasIcon);
  EXPECT_TRUE(seen.glyphsPresent) << "the dialog font has no Japanese glyphs";
  EXPECT_TRUE(seen.controlsInside);
  EXPECT_LE(seen.neededTextHeight, seen.textHeight);
  EXPECT_NEAR((seen.box.left + seen.box.right) / 2, (seen.work.left + seen.work.right) / 2, 1);
  EXPECT_NEAR((seen.box.top + seen.box.bottom) / 2, (seen.work.top + seen.work.bottom) / 2, 1);
}

TEST(ConfirmBoxTest, EnterChoosesTheDefaultYes) {
  Seen seen;
  const bool result = ShowAndAnswer(
      nullptr, Acp(kMessage), [](HWND, DWORD thread) { PostKey(Focused(thread), VK_RETURN); },
      seen);
  ASSERT_TRUE(seen.found);
  EXPECT_EQ(seen.defaultId, kConfirmYesId);
  EXPECT_EQ(seen.focusId, kConfirmYesId);
  EXPECT_TRUE(seen.answered);
  EXPECT_TRUE(result);
}

TEST(ConfirmBoxTest, WithNoAsTheDefaultEnterAnswersNoAndYesStillNeedsItsButton) {
  const Answer enter = [](HWND, DWORD thread) { PostKey(Focused(thread), VK_RETURN); };
  Seen seen;
  EXPECT_FALSE(ShowAndAnswer(nullptr, Acp(kMessage), enter, seen, DefaultAnswer::kNo));
  ASSERT_TRUE(seen.found);
  EXPECT_EQ(seen.defaultId, kConfirmNoId);
  EXPECT_EQ(seen.focusId, kConfirmNoId);
  EXPECT_TRUE(seen.answered);

  Seen clicked;
  EXPECT_TRUE(ShowAndAnswer(
      nullptr, Acp(kMessage), [](HWND box, DWORD) { Click(box, kConfirmYesId); }, clicked,
      DefaultAnswer::kNo));
}

TEST(ConfirmBoxTest, EveryOtherAnswerIsNo) {
  const struct {
    const char* name;
    Answer answer;
  } answers[] = {
      {"No button", [](HWND box, DWORD) { Click(box, kConfirmNoId); }},
      {"Esc", [](HWND, DWORD thread) { PostKey(Focused(thread), VK_ESCAPE); }},
      {"close box", [](HWND box, DWORD) { PostMessageW(box, WM_SYSCOMMAND, SC_CLOSE, 0); }},
      {"N key", [](HWND, DWORD thread) { PostMessageW(Focused(thread), WM_CHAR, L'n', 1); }},
  };
  for (const auto& a : answers) {
    SCOPED_TRACE(a.name);
    Seen seen;
    EXPECT_FALSE(ShowAndAnswer(nullptr, Acp(kMessage), a.answer, seen));
    EXPECT_TRUE(seen.found);
    EXPECT_TRUE(seen.answered);
  }
}

TEST(ConfirmBoxTest, LongTextsWrapAndTheBoxGrowsToShowThem) {
  Seen shortSeen;
  ShowAndAnswer(
      nullptr, Acp(L"よろしいですか？"), [](HWND box, DWORD) { Click(box, kConfirmNoId); },
      shortSeen);
  std::wstring longMessage;
  for (int i = 0; i < 12; ++i) {
    longMessage += kMessage;
  }
  longMessage +=
      L" C:\\AVeryLongFolderNameWithoutAnySpaceThatIsWiderThanTheBoxItselfCanBe"
      L"OnOneLineOfTheDialogAtAllAndMustBreakSomewhere\\Tools";
  Seen longSeen;
  ShowAndAnswer(
      nullptr, Acp(longMessage), [](HWND box, DWORD) { Click(box, kConfirmNoId); }, longSeen);
  ASSERT_TRUE(shortSeen.found);
  ASSERT_TRUE(longSeen.found);

  EXPECT_EQ(longSeen.text, longMessage);
  EXPECT_GE(longSeen.textHeight, 4 * longSeen.lineHeight);
  EXPECT_LE(longSeen.neededTextHeight, longSeen.textHeight) << "the text is cut";
  EXPECT_TRUE(longSeen.controlsInside);
  EXPECT_GT(longSeen.box.bottom - longSeen.box.top, shortSeen.box.bottom - shortSeen.box.top);
  EXPECT_LT(longSeen.box.right - longSeen.box.left, longSeen.work.right - longSeen.work.left);
  EXPECT_NEAR((longSeen.box.top + longSeen.box.bottom) / 2,
              (longSeen.work.top + longSeen.work.bottom) / 2, 1);
}

TEST(ConfirmBoxTest, OwnerIsDisabledWhileTheBoxIsOpen) {
  const HWND owner = CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP, 0, 0, 10, 10, nullptr,
                                     nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(owner, nullptr);
  Seen seen;
  // A text that ends in a lone lead byte is shown as far as it goes.
  const bool result = ShowAndAnswer(
      owner, "abc\x83", [](HWND box, DWORD) { Click(box, kConfirmYesId); }, seen);
  ASSERT_TRUE(seen.found);
  EXPECT_TRUE(result);
  EXPECT_EQ(seen.owner, owner);
  EXPECT_FALSE(seen.ownerEnabled);
  EXPECT_TRUE(IsWindowEnabled(owner));
  EXPECT_EQ(seen.text.substr(0, 3), L"abc");
  DestroyWindow(owner);
}

}  // namespace
}  // namespace velmora
