#include "app/Main.h"

#include "app/ControlIds.h"
#include "app/MainTexts.h"
#include "base/Error.h"
#include "folders/DirectoryPath.h"
#include "resource.h"
#include "shortcut/Destination.h"
#include "ui/Application.h"
#include "ui/ErrorReport.h"

namespace velmora {

namespace {
ui::FontSpec WindowFont() {
  return ui::FontSpec{text::kFontFace, 12, SHIFTJIS_CHARSET, CLR_DEFAULT, false};
}
ui::FontSpec BoldFont() {
  ui::FontSpec font = WindowFont();
  font.bold = true;
  return font;
}
ui::FontSpec GreyFont() {
  ui::FontSpec font = WindowFont();
  font.color = ui::SystemColor(COLOR_GRAYTEXT);
  return font;
}
// The button glyphs are drawn for 16 and 24 pixels.
std::vector<ui::PictureSource> Glyphs(int at16, int at24) {
  return {{16, MAKEINTRESOURCEA(at16)}, {24, MAKEINTRESOURCEA(at24)}};
}
std::vector<std::string> Items(const char* const* texts, size_t count) {
  return std::vector<std::string>(texts, texts + count);
}
std::vector<std::string> DestinationItems() {
  std::vector<std::string> items;
  for (const DestinationRow& row : kDestinationRows)
    items.emplace_back(row.caption);
  return items;
}
// Each radio item has an ID of its own below the next control's.
static_assert(id::kRadioItem0 + kDestinationCount <= id::kCheckBox1);

constexpr DWORD kFormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
}  // namespace

TForm1::TForm1()
    : Form(WindowFont()),
      startFolder_(CurrentDirectory()),
      Label1(*this, id::kLabel1, {16, 16, 94, 12}, text::kLabel1),
      Label2(*this, id::kLabel2, {16, 64, 132, 12}, text::kLabel2),
      Label3(*this, id::kLabel3, {192, 64, 52, 12}, text::kLabel3),
      Label4(*this, id::kLabel4, {32, 290, 79, 12}, text::kLabel4),
      Edit1(*this, id::kEdit1, {16, 32, 201, 20}, {.readOnly = true, .tabStop = false}),
      Button1(*this, id::kButton1, {224, 32, 33, 20}, text::kButton1),
      Edit2(*this, id::kEdit2, {16, 80, 161, 20}, {.unicode = true}),
      Edit3(*this, id::kEdit3, {192, 80, 65, 20}, {.unicode = true}),
      RadioGroup1(*this, id::kRadioGroup1, {16, 112, 241, 145}, text::kRadioGroup1,
                  DestinationItems(), 2, id::kRadioItem0),
      CheckBox1(*this, id::kCheckBox1, {16, 264, 201, 17}, text::kCheckBox1),
      ComboBox1(*this, id::kComboBox1, {128, 286, 129, 20}, Items(text::kWindowStates, 3),
                CBS_DROPDOWN | CBS_AUTOHSCROLL),
      GroupBox1(*this, id::kGroupBox1, {272, 8, 225, 145}, text::kGroupBox1),
      Panel1(GroupBox1, id::kPanel1, {18, 18, 40, 40}),
      Image1(Panel1, id::kImage1, {2, 2, 36, 36}),
      Edit4(GroupBox1, id::kEdit4, {64, 16, 145, 20}, {.readOnly = true, .tabStop = false}),
      Button2(GroupBox1, id::kButton2, {64, 40, 145, 18}, text::kButton2),
      ImageListBox1(GroupBox1, id::kImageListBox1, {16, 64, 192, 64}),
      GroupBox2(*this, id::kGroupBox2, {272, 160, 225, 145}, text::kGroupBox2),
      DriveComboBox1(GroupBox2, id::kDriveComboBox1, {16, 120, 192, 18}),
      DirectoryListBox1(GroupBox2, id::kDirectoryListBox1, {16, 16, 192, 97}),
      BitBtn1(*this, id::kBitBtn1, {16, 316, 369, 25}, text::kBitBtn1,
              Glyphs(IDB_GLYPH_CREATE, IDB_GLYPH_CREATE_24), true),
      BitBtn2(*this, id::kBitBtn2, {400, 316, 97, 25}, text::kBitBtn2,
              Glyphs(IDB_GLYPH_CLOSE, IDB_GLYPH_CLOSE_24), false),
      OpenDialog1(text::kOpenFilter),
      ImageList1(16, 16) {
  SetText(text::kAppTitle);
  Label2.SetFont(BoldFont());
  BitBtn1.SetFont(BoldFont());
  BitBtn1.SetEnabled(false);
  RadioGroup1.SetItemIndex(0);
  CheckBox1.SetChecked(true);
  GroupBox2.SetFont(GreyFont());
  GroupBox2.SetEnabled(false);
  DriveComboBox1.SetDirList(&DirectoryListBox1);
  // The icon list gets its window only when the window is shown, after the first-start offer.
  ImageListBox1.SetDeferred(true);
  // So does the folder list, which then lists the folder it is to show, once: the command
  // line's target's, or the one the restored destination chose, not the start folder first.
  DirectoryListBox1.SetDeferred(true);
  ImageListBox1.SetImages(&ImageList1);
  ImageListBox1.SetExtendedSelect(false);
  ImageListBox1.SetIntegralHeight(true);
  // Cells and images at 96 DPI; Create sizes them again for the display.
  ScaleIconChoice();

  Edit1.onChange = [this] { Edit1Change(); };
  Button1.onClick = [this] { Button1Click(); };
  Button2.onClick = [this] { Button2Click(); };
  ImageListBox1.onClick = [this] { ImageListBox1Click(); };
  ImageListBox1.onKeyDown = [this](WORD key, ui::ShiftState shift) {
    ImageListBox1KeyDown(key, shift);
  };
  RadioGroup1.onClick = [this] { RadioGroup1Click(); };
  BitBtn1.onClick = [this] { BitBtn1Click(); };
  BitBtn2.onClick = [this] { Close(); };
}

void TForm1::Create() {
  HINSTANCE instance = ui::ApplicationInstance();
  auto icon = [instance](int size) {
    return static_cast<HICON>(
        LoadImageA(instance, MAKEINTRESOURCEA(IDI_MAINICON), IMAGE_ICON, size, size, LR_SHARED));
  };
  CreateForm("TForm1", kFormStyle, WS_EX_CONTROLPARENT, SIZE{513, 348},
             icon(GetSystemMetrics(SM_CXICON)), icon(GetSystemMetrics(SM_CXSMICON)));
  ScaleIconChoice();
  ui::RunGuarded([this] { FormCreate(); });
}

void TForm1::Show() {
  OpenFolderListAtTarget();
  CreateDeferredWindows();
  CenterOnScreen();
  ui::RunGuarded([this] { FormShow(); });
  // The first ShowWindow of a process follows the show state its starter asked for, which may
  // be hidden (the Send To entry is stored with show command 0): the window must show anyway.
  ShowWindow(Handle(), SW_SHOWNORMAL);
  if (!IsWindowVisible(Handle()))
    ShowWindow(Handle(), SW_SHOWNORMAL);
  UpdateWindow(Handle());
  SetForegroundWindow(Handle());
}

void TForm1::Close() {
  PostMessageA(Handle(), WM_CLOSE, 0, 0);
}

void TForm1::SaveAndDestroy() {
  // The settings are saved first; a save that fails is reported and the window closes anyway,
  // so a settings file that cannot be written never traps the user.
  ui::RunGuarded([this] { FormClose(); });
  DestroyWindow(Handle());
}

LRESULT TForm1::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CLOSE:
      SaveAndDestroy();
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_ENDSESSION:
      // The session ends without closing the window: the settings are saved as closing saves
      // them. Nobody is left to answer an error box, so a failed save is not shown.
      if (wParam) {
        try {
          FormClose();
        } catch (const Error&) {
        }
      }
      return 0;
    case WM_DROPFILES:
      WMDropFiles(reinterpret_cast<HDROP>(wParam));
      return 0;
    case DM_GETDEFID:
      return MAKELRESULT(id::kBitBtn1, DC_HASDEFID);
    default:
      return Form::OnMessage(message, wParam, lParam);
  }
}

}  // namespace velmora
