// Start-up of the whole program: the command-line target, the keys of the bare window, a
// hidden start, the layout's scaling with the pictures drawn for it, and the program's icon.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "Driver.h"
#include "LinkFileReader.h"
#include "ScreenPixels.h"
#include "TestTexts.h"
#include "app/ControlIds.h"
#include "base/WideText.h"
#include "resource.h"
#include "ui/Handles.h"

namespace velmora::e2e {
namespace {

TEST(Startup, ShortNameTargetIsShownLongWithItsNameProposedAndItsFolderRemembered) {
  Sandbox sandbox(kNoOffer);
  ASSERT_TRUE(sandbox.Ready());
  const std::string folder = sandbox / "Long Folder Name";
  MakeFolder(folder);
  const std::string target = folder + "\\Some Tool.exe";
  MakeFile(target);
  char shortPath[MAX_PATH] = {};
  const DWORD length = GetShortPathNameA(target.c_str(), shortPath, MAX_PATH);
  ASSERT_GT(length, 0u);
  ASSERT_LT(length, static_cast<DWORD>(MAX_PATH));
  ASSERT_EQ(std::string(shortPath).find(' '), std::string::npos) << shortPath;

  App run(sandbox, shortPath);
  ASSERT_NE(run.WaitForWindow(), nullptr);
  EXPECT_EQ(run.Text(id::kEdit1), target);
  EXPECT_EQ(run.Text(id::kEdit2), "Some Tool");
  EXPECT_TRUE(run.IsEnabled(id::kBitBtn1));
  EXPECT_TRUE(WaitUntil([&] { return run.FocusId() == id::kEdit2; }, 3000)) << run.FocusId();
  EXPECT_EQ(sandbox.Setting("InitialDir"), folder);
  EXPECT_TRUE(run.CloseWindow());
}

TEST(Startup, WithoutTargetEscapeDoesNothingAndAltCClosesAndSaves) {
  Sandbox sandbox(kNoOffer);
  ASSERT_TRUE(sandbox.Ready());
  App run(sandbox);
  ASSERT_NE(run.WaitForWindow(), nullptr);
  EXPECT_EQ(run.Text(id::kEdit1), "");
  EXPECT_FALSE(run.IsEnabled(id::kBitBtn1));
  ASSERT_TRUE(WaitUntil([&] { return run.FocusId() == id::kButton1; }, 3000)) << run.FocusId();

  run.PressKey(VK_ESCAPE);
  EXPECT_TRUE(run.StaysOpen());
  EXPECT_EQ(run.AnyBox(), nullptr);
  EXPECT_FALSE(sandbox.Setting("ItemIndex").has_value());

  run.PressAltKey('c');
  ASSERT_TRUE(run.WaitForExit());
  EXPECT_EQ(sandbox.Setting("Start"), "0");
  EXPECT_EQ(sandbox.Setting("ItemIndex"), "0");
  EXPECT_EQ(sandbox.Setting("StrFlag"), "1");
  EXPECT_EQ(sandbox.Setting("WindowState"), "0");
}

TEST(Startup, AnUnquotedBlankEndsAnArgumentAndEachArgumentIsATargetOfItsOwn) {
  Sandbox sandbox(kNoOffer);
  ASSERT_TRUE(sandbox.Ready());
  MakeFile(sandbox / "My");
  MakeFile(sandbox / "My File.txt");
  MakeFile(sandbox / "second.txt");
  {
    App run(sandbox, sandbox / "My File.txt");
    ASSERT_NE(run.WaitForWindow(), nullptr);
    EXPECT_EQ(run.Text(id::kEdit1), sandbox / "My");
    EXPECT_EQ(run.Text(id::kEdit2), "My");
    EXPECT_EQ(App::TextOf(run.Window()), "Velmora (1/2)");
    EXPECT_TRUE(run.CloseWindow());
  }
  {
    // Built step by step: GCC 12 warns falsely (-Wrestrict) on one long concatenation.
    std::string arguments = "\"";
    arguments += sandbox / "My File.txt";
    arguments += "\" \"";
    arguments += sandbox / "second.txt";
    arguments += "\"";
    App run(sandbox, arguments);
    ASSERT_NE(run.WaitForWindow(), nullptr);
    EXPECT_EQ(run.Text(id::kEdit1), sandbox / "My File.txt");
    EXPECT_EQ(run.Text(id::kEdit2), "My File");
    EXPECT_EQ(App::TextOf(run.Window()), "Velmora (1/2)");
    EXPECT_TRUE(run.CloseWindow());
  }
}

// Three files sent at once, one with a blank in its name: a link for each after each Yes, with
// what the user set kept from one to the next, and then the program ends.
TEST(Startup, SeveralTargetsAreServedOneAfterAnotherThenTheProgramCloses) {
  Sandbox sandbox("[Window]\r\nStart=0\r\nItemIndex=4\r\n");  // the target's folder
  ASSERT_TRUE(sandbox.Ready());
  const std::string names[] = {"one", "two words", "three"};
  std::string arguments;
  for (const std::string& name : names) {
    MakeFile(sandbox / (name + ".txt"));
    arguments += "\"" + (sandbox / (name + ".txt")) + "\" ";
  }
  App run(sandbox, arguments);
  ASSERT_NE(run.WaitForWindow(), nullptr);
  run.SetText(id::kEdit3, "-x");
  for (int i = 0; i < 3; ++i) {
    ASSERT_TRUE(WaitUntil(
        [&] {
          return run.Text(id::kEdit1) == sandbox / (names[i] + ".txt") &&
                 run.Text(id::kEdit2) == names[i];
        },
        3000))
        << run.Text(id::kEdit1);
    EXPECT_EQ(App::TextOf(run.Window()), "Velmora (" + std::to_string(i + 1) + "/3)");
    run.Click(id::kBitBtn1);
    const HWND box = run.WaitForConfirmBox();
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(App::Answer(box, IDYES));
  }
  ASSERT_TRUE(run.WaitForExit());
  for (const std::string& name : names) {
    ASSERT_TRUE(Exists(sandbox / (name + ".lnk"))) << name;
    EXPECT_EQ(test::ReadLinkFile(sandbox / (name + ".lnk")).arguments.value_or(""), "-x");
  }
}

TEST(Startup, RelativeArgumentNamesAFileOfTheStartFolderWhateverTheRestoredDestination) {
  Sandbox sandbox;
  ASSERT_TRUE(sandbox.Ready());
  // Restoring the Start menu destination moves the current folder to the program's folder.
  sandbox.WriteSettings("[Window]\r\nStart=0\r\nItemIndex=1\r\n");
  const std::string start = sandbox / "Started Here";
  MakeFolder(start);
  MakeFile(start + "\\x.txt");
  MakeFile(sandbox / "x.txt");
  LaunchOptions options;
  options.arguments = "x.txt";
  options.currentFolder = start;
  App run(sandbox, options);
  ASSERT_NE(run.WaitForWindow(), nullptr);
  EXPECT_EQ(run.Text(id::kEdit1), start + "\\x.txt");
  EXPECT_TRUE(run.CloseWindow());
}

TEST(Startup, ArgumentTheCodePageCannotHoldIsRefusedWithAMessage) {
  Sandbox sandbox(kNoOffer);
  ASSERT_TRUE(sandbox.Ready());
  LaunchOptions options;
  options.wideArguments = L"\"" + ToWide(sandbox.Folder()).value_or(L"") + L"\\\uD55C\uAE00.txt\"";
  App run(sandbox, options);
  EXPECT_EQ(run.AnswerErrorBox(), (sandbox / "??.txt") + test_text::kPathNotInCodePageReportTail);
  ASSERT_NE(run.WaitForWindow(), nullptr);
  EXPECT_EQ(run.Text(id::kEdit1), "");
  EXPECT_TRUE(run.CloseWindow());
}

TEST(Startup, HiddenShowStateStillShowsTheWindow) {
  Sandbox sandbox(kNoOffer);
  ASSERT_TRUE(sandbox.Ready());
  LaunchOptions options;
  options.showWindow = SW_HIDE;
  App run(sandbox, options);
  ASSERT_NE(run.WaitForWindow(), nullptr);
  EXPECT_TRUE(IsWindowVisible(run.Window()));
  EXPECT_FALSE(IsIconic(run.Window()));
  EXPECT_TRUE(run.CloseWindow());
}

// Measures in physical pixels, whatever this process's own awareness.
class PhysicalPixels {
 public:
  PhysicalPixels() : old_(SetThreadDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE)) {}
  ~PhysicalPixels() {
    if (old_ != nullptr) {
      SetThreadDpiAwarenessContext(old_);
    }
  }
  PhysicalPixels(const PhysicalPixels&) = delete;
  PhysicalPixels& operator=(const PhysicalPixels&) = delete;

 private:
  DPI_AWARENESS_CONTEXT old_;
};

// Width of a label's text in the window's font at `dpi`, as the program makes that font.
int TextWidth(const std::string& text, DWORD dpi, bool bold) {
  LOGFONTA look{};
  look.lfHeight = -MulDiv(12, static_cast<int>(dpi), 96);
  look.lfWeight = bold ? FW_BOLD : FW_NORMAL;
  look.lfCharSet = SHIFTJIS_CHARSET;
  lstrcpynA(look.lfFaceName, test_text::kFontFace, LF_FACESIZE);
  const HFONT font = CreateFontIndirectA(&look);
  const HDC dc = GetDC(nullptr);
  const HGDIOBJ old = SelectObject(dc, font);
  SIZE size{};
  GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  DeleteObject(font);
  return size.cx;
}

// The resources of a copy of the program, read as data.
class ProgramResources {
 public:
  explicit ProgramResources(const std::string& program)
      : module_(LoadLibraryExA(program.c_str(), nullptr,
                               LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE)) {}
  ~ProgramResources() {
    if (module_ != nullptr) {
      FreeLibrary(module_);
    }
  }
  ProgramResources(const ProgramResources&) = delete;
  ProgramResources& operator=(const ProgramResources&) = delete;

  HMODULE Module() const { return module_; }
  // Image `index` of a bitmap resource that holds images `width` pixels wide side by side.
  testing::Pixels Picture(const char* name, int width, int index = 0) const {
    const ui::UniqueBitmap bitmap(
        static_cast<HBITMAP>(LoadImageA(module_, name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    return testing::Pixels::OfBitmap(bitmap.Get(), width, index);
  }

 private:
  HMODULE module_;
};

// The picture shows at its own size in the control, once the control has been painted.
::testing::AssertionResult ShowsPicture(const App& run, int id, const testing::Pixels& picture) {
  if (picture.Width() == 0) {
    return ::testing::AssertionFailure() << "no such picture";
  }
  if (WaitUntil([&] { return testing::Shows(testing::Pixels::OfWindow(run.Control(id)), picture); },
                3000)) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure() << "not shown in control " << id;
}

// The pictures drawn for `size` pixels show in the buttons and the picker: the create button's
// grey glyph (it is disabled), the close button's glyph, the open and current folders and the
// fixed disk C:.
void ExpectPictures(const App& run, const ProgramResources& resources, int size) {
  const bool large = size == 24;
  const auto glyph = [&](int at16, int at24, int index) {
    return resources.Picture(MAKEINTRESOURCEA(large ? at24 : at16), size, index);
  };
  const auto row = [&](const std::string& name) {
    return resources.Picture((large ? name + "_24" : name).c_str(), size);
  };
  EXPECT_TRUE(ShowsPicture(run, id::kBitBtn1, glyph(IDB_GLYPH_CREATE, IDB_GLYPH_CREATE_24, 1)));
  EXPECT_TRUE(ShowsPicture(run, id::kBitBtn2, glyph(IDB_GLYPH_CLOSE, IDB_GLYPH_CLOSE_24, 0)));
  EXPECT_TRUE(ShowsPicture(run, id::kDirectoryListBox1, row("OPENFOLDER")));
  EXPECT_TRUE(ShowsPicture(run, id::kDirectoryListBox1, row("CURRENTFOLDER")));
  EXPECT_TRUE(ShowsPicture(run, id::kDriveComboBox1, row("HARD")));
}

// Starts the program with the display at `dpi` dots per inch and checks the client area, the
// place of Edit1 (16, 32, 201 x 20 at 96), the icon list's cells (20 high at 96), that every
// label shows its whole text and that the pictures drawn for `pictureSize` pixels are shown.
// Each process reads the system's DPI from this value when it starts; the value is put back
// afterwards, also when the test fails.
void ExpectLayout(DWORD dpi, SIZE client, RECT edit1, int iconCell, int pictureSize) {
  const PhysicalPixels physical;
  const RegistryValue logPixels(HKEY_CURRENT_USER, "Control Panel\\Desktop", "LogPixels", dpi);
  ASSERT_TRUE(logPixels.Set());
  Sandbox sandbox(kNoOffer);
  ASSERT_TRUE(sandbox.Ready());
  App run(sandbox);
  ASSERT_NE(run.WaitForWindow(), nullptr);
  const SIZE size = run.ClientSize();
  EXPECT_EQ(size.cx, client.cx);
  EXPECT_EQ(size.cy, client.cy);
  const RECT edit = run.ControlRect(id::kEdit1);
  EXPECT_EQ(edit.left, edit1.left);
  EXPECT_EQ(edit.top, edit1.top);
  EXPECT_EQ(edit.right - edit.left, edit1.right - edit1.left);
  EXPECT_EQ(edit.bottom - edit.top, edit1.bottom - edit1.top);
  EXPECT_EQ(SendMessageA(run.Control(id::kImageListBox1), LB_GETITEMHEIGHT, 0, 0), iconCell);
  for (int label : {id::kLabel1, id::kLabel2, id::kLabel3, id::kLabel4}) {
    SCOPED_TRACE(label);
    RECT client{};
    GetClientRect(run.Control(label), &client);
    EXPECT_GE(client.right, TextWidth(run.Text(label), dpi, label == id::kLabel2));
  }
  EXPECT_LE(run.ControlRect(id::kLabel4).right, run.ControlRect(id::kComboBox1).left);
  const ProgramResources resources(sandbox.Executable());
  ASSERT_NE(resources.Module(), nullptr);
  ExpectPictures(run, resources, pictureSize);
  EXPECT_TRUE(run.CloseWindow());
}

TEST(Layout, ClientAreaAt96Dpi) {
  ExpectLayout(96, SIZE{513, 348}, RECT{16, 32, 16 + 201, 32 + 20}, 20, 16);
}

TEST(Layout, ScalesWithTheDisplaysDotsPerInch) {
  ExpectLayout(144, SIZE{770, 522}, RECT{24, 48, 24 + 302, 48 + 30}, 30, 24);
}

// The program's icon, as the shell picks its images: every size from the small icon to the
// largest view, each in 32-bit colour.
TEST(ProgramIcon, HoldsEverySizeTheShellShowsInFullColour) {
  Sandbox sandbox;
  ASSERT_TRUE(sandbox.Ready());
  const ProgramResources resources(sandbox.Executable());
  ASSERT_NE(resources.Module(), nullptr);
  const HRSRC found = FindResourceA(resources.Module(), MAKEINTRESOURCEA(IDI_MAINICON),
                                    MAKEINTRESOURCEA(14));  // RT_GROUP_ICON
  ASSERT_NE(found, nullptr);
  const auto* bytes =
      static_cast<const BYTE*>(LockResource(LoadResource(resources.Module(), found)));
  ASSERT_NE(bytes, nullptr);
  const DWORD length = SizeofResource(resources.Module(), found);
  // The group's header (reserved, type, count), then 14 bytes an image: width, height, colours,
  // reserved, planes, bits per pixel, size, ID; a width of 0 stands for 256.
  ASSERT_GE(length, 6u);
  const int count = bytes[4] | bytes[5] << 8;
  ASSERT_EQ(length, 6u + 14u * static_cast<DWORD>(count));
  std::vector<int> sizes;
  for (int i = 0; i < count; ++i) {
    const BYTE* entry = bytes + 6 + 14 * i;
    sizes.push_back(entry[0] == 0 ? 256 : entry[0]);
    EXPECT_EQ(entry[0], entry[1]);
    EXPECT_EQ(entry[6] | entry[7] << 8, 32) << sizes.back();
  }
  EXPECT_EQ(sizes, (std::vector<int>{16, 20, 24, 32, 40, 48, 64, 256}));
}

}  // namespace
// The ID of the control with the focus; a drop-down combo box has it in its edit field.
int FocusedControl(const App& run) {
  HWND focus = run.Focus();
  if (focus && GetDlgCtrlID(focus) == 1001)
    focus = GetParent(focus);
  return focus ? GetDlgCtrlID(focus) : 0;
}

// The focused control's ID after a key, once the focus has left `from`.
int FocusAfter(const App& run, UINT key, int from) {
  run.PressKey(key);
  WaitUntil([&] { return FocusedControl(run) != from; }, 2000);
  return FocusedControl(run);
}

// The bare window, started without a target, with the focus on its first control.
class Keyboard : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(sandbox_.Ready());
    sandbox_.WriteSettings(kNoOffer);
    run_.emplace(sandbox_);
    ASSERT_NE(run_->WaitForWindow(), nullptr);
    ASSERT_TRUE(WaitUntil([&] { return run_->FocusId() == id::kButton1; }, 2000));
  }
  void CloseWindow() { EXPECT_TRUE(run_->CloseWindow()); }

  Sandbox sandbox_;
  std::optional<App> run_;
};

TEST_F(Keyboard, TabFollowsTheLayoutAndPassesOverReadOnlyAndDisabledControls) {
  // Edit1 and Edit4 are read-only, the picker group and the create button are disabled.
  const int expected[] = {id::kEdit2,         id::kEdit3,     id::kRadioItem0,
                          id::kCheckBox1,     id::kComboBox1, id::kButton2,
                          id::kImageListBox1, id::kBitBtn2,   id::kButton1};
  int focus = id::kButton1;
  for (int next : expected) {
    focus = FocusAfter(*run_, VK_TAB, focus);
    EXPECT_EQ(focus, next);
  }
  CloseWindow();
}

TEST_F(Keyboard, ArrowsMoveThroughTheDestinationsAndSelectThem) {
  int focus = id::kButton1;
  for (int i = 0; i < 3; ++i)
    focus = FocusAfter(*run_, VK_TAB, focus);
  ASSERT_EQ(focus, id::kRadioItem0);

  EXPECT_EQ(FocusAfter(*run_, VK_DOWN, focus), id::kRadioItem0 + 1);
  EXPECT_TRUE(run_->IsChecked(id::kRadioItem0 + 1));
  EXPECT_FALSE(run_->IsChecked(id::kRadioItem0));
  CloseWindow();
  EXPECT_EQ(sandbox_.Setting("ItemIndex").value_or(""), "1");
}

}  // namespace velmora::e2e
