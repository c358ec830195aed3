#include "ui/ConfirmBox.h"

#include <algorithm>
#include <climits>
#include <vector>

#include "ui/Handles.h"
#include "base/WideText.h"

namespace velmora {

namespace {

constexpr WORD kButtonClass = 0x0080;
constexpr WORD kStaticClass = 0x0082;

// The static draws with these rules, so the measured size is the size it needs. Edit-control
// breaking splits a word wider than the box instead of widening the box past the screen.
constexpr UINT kTextFormat = DT_LEFT | DT_EXPANDTABS | DT_WORDBREAK | DT_NOPREFIX | DT_EDITCONTROL;
constexpr DWORD kTextStyle = SS_LEFT | SS_NOPREFIX | SS_EDITCONTROL;

// A dialog template in memory: the header, then one item per control, each DWORD-aligned.
// Positions in the template are placeholders; the box lays itself out when it opens.
class DialogTemplate {
 public:
  DialogTemplate(DWORD style, const wchar_t* caption, WORD points, const wchar_t* face) {
    Dword(style);
    Dword(0);  // extended style
    Word(0);   // number of items, counted as they are added
    for (int i = 0; i < 4; ++i) {
      Word(0);  // x, y, cx, cy
    }
    Word(0);  // no menu
    Word(0);  // the dialog class
    String(caption);
    Word(points);
    String(face);
  }

  void AddItem(DWORD style, WORD id, WORD atomClass, const wchar_t* text) {
    if (words_.size() % 2 != 0) {
      Word(0);
    }
    Dword(style | WS_CHILD | WS_VISIBLE);
    Dword(0);  // extended style
    for (int i = 0; i < 4; ++i) {
      Word(8);  // x, y, cx, cy
    }
    Word(id);
    Word(0xFFFF);
    Word(atomClass);
    String(text);
    Word(0);  // no creation data
    ++words_[kItemCountIndex];
  }

  const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

 private:
  static constexpr std::size_t kItemCountIndex = 4;

  void Word(WORD value) { words_.push_back(value); }
  void Dword(DWORD value) {
    Word(LOWORD(value));
    Word(HIWORD(value));
  }
  void String(const wchar_t* text) {
    for (; *text != L'\0'; ++text) {
      Word(static_cast<WORD>(*text));
    }
    Word(0);
  }

  std::vector<WORD> words_;
};

std::wstring Wide(std::string_view text) {
  return ToWide(text).value_or(std::wstring());
}

int TextWidth(HDC dc, const wchar_t* text) {
  SIZE size{};
  GetTextExtentPoint32W(dc, text, lstrlenW(text), &size);
  return size.cx;
}

// What the box is opened with.
struct Question {
  std::wstring text;
  std::wstring yes;
  std::wstring no;
  int defaultId;
};

// Sizes the box to its text and centres it in the work area of the primary screen.
void LayOut(HWND box, const Question& question) {
  const std::wstring& text = question.text;
  const HFONT font = reinterpret_cast<HFONT>(SendMessageW(box, WM_GETFONT, 0, 0));
  const ui::WindowDcScope windowDc(box);
  const ui::SelectScope selectFont(windowDc.Dc(), font);
  const HDC dc = windowDc.Dc();
  const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
  const auto scaled = [dpi](int pixels) { return MulDiv(pixels, dpi, 96); };
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);

  RECT work{};
  if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0)) {
    SetRect(&work, 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  }
  const int workWidth = work.right - work.left;
  const int workHeight = work.bottom - work.top;

  const int margin = scaled(11);
  const int iconGap = scaled(12);
  const int buttonsGap = scaled(14);
  const int buttonSpacing = scaled(8);
  const int iconWidth = GetSystemMetrics(SM_CXICON);
  const int iconHeight = GetSystemMetrics(SM_CYICON);

  const int maxTextWidth = std::max(scaled(60), std::min(workWidth * 6 / 10, scaled(480)));
  RECT measured{0, 0, maxTextWidth, 0};
  if (!text.empty() && text.size() <= INT_MAX) {
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measured,
              kTextFormat | DT_CALCRECT);
  }
  const int textWidth = std::clamp(static_cast<int>(measured.right), 1, maxTextWidth);
  int textHeight = std::max(static_cast<int>(measured.bottom), static_cast<int>(metrics.tmHeight));

  const int widestButtonText =
      std::max(TextWidth(dc, question.yes.c_str()), TextWidth(dc, question.no.c_str()));
  const int buttonWidth = std::max(scaled(75), widestButtonText + scaled(16));
  const int buttonHeight = std::max(scaled(23), static_cast<int>(metrics.tmHeight) + scaled(8));
  const int buttonsWidth = 2 * buttonWidth + buttonSpacing;

  const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(box, GWL_STYLE));
  const DWORD exStyle = static_cast<DWORD>(GetWindowLongPtrW(box, GWL_EXSTYLE));
  RECT frame{0, 0, 0, 0};
  AdjustWindowRectEx(&frame, style, FALSE, exStyle);
  const int frameWidth = frame.right - frame.left;
  const int frameHeight = frame.bottom - frame.top;

  const int clientWidth =
      std::max(margin + iconWidth + iconGap + textWidth + margin, margin + buttonsWidth + margin);
  int clientHeight = margin + std::max(iconHeight, textHeight) + buttonsGap + buttonHeight + margin;
  // Only a text taller than the screen is cut; the buttons always stay on it.
  if (clientHeight + frameHeight > workHeight) {
    const int excess = clientHeight + frameHeight - workHeight;
    textHeight = std::max(static_cast<int>(metrics.tmHeight), textHeight - excess);
    clientHeight = margin + std::max(iconHeight, textHeight) + buttonsGap + buttonHeight + margin;
  }

  const int textLeft = margin + iconWidth + iconGap;
  const int textTop = margin + std::max(0, (iconHeight - textHeight) / 2);
  MoveWindow(GetDlgItem(box, kConfirmIconId), margin, margin, iconWidth, iconHeight, FALSE);
  MoveWindow(GetDlgItem(box, kConfirmTextId), textLeft, textTop, textWidth, textHeight, FALSE);
  const int buttonsLeft = (clientWidth - buttonsWidth) / 2;
  const int buttonsTop = clientHeight - margin - buttonHeight;
  MoveWindow(GetDlgItem(box, kConfirmYesId), buttonsLeft, buttonsTop, buttonWidth, buttonHeight,
             FALSE);
  MoveWindow(GetDlgItem(box, kConfirmNoId), buttonsLeft + buttonWidth + buttonSpacing, buttonsTop,
             buttonWidth, buttonHeight, FALSE);

  const int width = clientWidth + frameWidth;
  const int height = clientHeight + frameHeight;
  SetWindowPos(box, nullptr, work.left + (workWidth - width) / 2,
               work.top + (workHeight - height) / 2, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR CALLBACK ConfirmProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: {
      const auto& question = *reinterpret_cast<const Question*>(lParam);
      SetDlgItemTextW(box, kConfirmTextId, question.text.c_str());
      // The system's shared icon: not ours to destroy.
      SendDlgItemMessageW(box, kConfirmIconId, STM_SETICON,
                          reinterpret_cast<WPARAM>(LoadIconA(nullptr, IDI_QUESTION)), 0);
      LayOut(box, question);
      SendMessageW(box, DM_SETDEFID, static_cast<WPARAM>(question.defaultId), 0);
      SetFocus(GetDlgItem(box, question.defaultId));
      return FALSE;  // the focus is set
    }
    case WM_COMMAND:
      if (HIWORD(wParam) != BN_CLICKED) {
        break;
      }
      switch (LOWORD(wParam)) {
        case kConfirmYesId:
          EndDialog(box, IDYES);
          return TRUE;
        case kConfirmNoId:
        case IDCANCEL:  // Esc and the close box
          EndDialog(box, IDNO);
          return TRUE;
        default:
          break;
      }
      break;
    default:
      break;
  }
  return FALSE;
}

}  // namespace

bool AskConfirmation(HWND owner, const std::string& text, const ConfirmBoxLook& look,
                     DefaultAnswer defaultAnswer) {
  const bool yesFirst = defaultAnswer == DefaultAnswer::kYes;
  const Question question{Wide(text), Wide(look.yes), Wide(look.no),
                          yesFirst ? kConfirmYesId : kConfirmNoId};
  DialogTemplate dialog(
      WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_SETFOREGROUND,
      Wide(look.caption).c_str(), look.fontPoints, Wide(look.fontFace).c_str());
  dialog.AddItem(SS_ICON, kConfirmIconId, kStaticClass, L"");
  dialog.AddItem(kTextStyle, kConfirmTextId, kStaticClass, L"");
  dialog.AddItem((yesFirst ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | WS_TABSTOP | WS_GROUP,
                 kConfirmYesId, kButtonClass, question.yes.c_str());
  dialog.AddItem((yesFirst ? BS_PUSHBUTTON : BS_DEFPUSHBUTTON) | WS_TABSTOP, kConfirmNoId,
                 kButtonClass, question.no.c_str());

  const INT_PTR answer = DialogBoxIndirectParamW(GetModuleHandleW(nullptr), dialog.Get(), owner,
                                                 ConfirmProc, reinterpret_cast<LPARAM>(&question));
  return answer == IDYES;
}

}  // namespace velmora
