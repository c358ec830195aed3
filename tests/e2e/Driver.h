#pragma once
// Drives the real Velmora.exe as a user would: each sandbox is a fresh folder holding a copy of
// the program (so that its Velmora.ini is its own), and each run is one process of that copy,
// watched and steered through its windows from this process.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "TestFiles.h"

namespace velmora::e2e {

// How long the program may take to show a window or a box, and to end.
inline constexpr DWORD kWindowTimeoutMs = 15000;
inline constexpr DWORD kBoxTimeoutMs = 10000;
inline constexpr DWORD kExitTimeoutMs = 10000;

// Settings that skip the first-start offer and leave every other value at its default.
inline constexpr char kNoOffer[] = "[Window]\r\nStart=0\r\n";

// Polls `condition` until it holds or `timeoutMs` has passed; true when it held.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs);

// The system's words for an error code as a report of the settings file follows them with its
// own full stop: trimmed, without their closing "。".
std::string ReportedReason(DWORD code);

using testing::Exists;
using testing::FolderEntries;
using testing::MakeFile;
using testing::MakeFolder;
using testing::ReadWholeFile;
using testing::RemoveTree;
using testing::TempFolder;

using testing::SpecialFolder;

// Deletes a file (or a folder with everything in it) now and again when it goes, so that a test
// never leaves it behind.
class FileCleanup {
 public:
  explicit FileCleanup(std::string path);
  ~FileCleanup();
  FileCleanup(const FileCleanup&) = delete;
  FileCleanup& operator=(const FileCleanup&) = delete;

  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

// A fresh folder under the temporary folder with a copy of Velmora.exe, removed with everything
// in it when it goes. Declare it before the App that uses it.
class Sandbox {
 public:
  Sandbox();
  // With these settings in its settings file.
  explicit Sandbox(const std::string& settings);
  // On another disk, such as "S:".
  Sandbox(const std::string& settings, const std::string& disk);
  ~Sandbox();
  Sandbox(const Sandbox&) = delete;
  Sandbox& operator=(const Sandbox&) = delete;

  // True when the program was copied in.
  bool Ready() const { return ready_; }
  const std::string& Folder() const { return folder_; }
  std::string operator/(const std::string& name) const { return folder_ + "\\" + name; }
  std::string Executable() const { return *this / "Velmora.exe"; }
  std::string SettingsPath() const { return *this / "Velmora.ini"; }

  // Replaces the settings file with these bytes.
  void WriteSettings(const std::string& contents) const;
  std::string ReadSettings() const;
  // The value of a key of the section "Window" as it stands in the file, read from its bytes so
  // that no profile cache of this process can answer instead.
  std::optional<std::string> Setting(const std::string& key) const;

 private:
  std::string folder_;
  bool ready_ = false;
};

struct LaunchOptions {
  // Appended to the quoted program path, as it stands.
  std::string arguments;
  // STARTF_USESHOWWINDOW with this show state.
  std::optional<WORD> showWindow;
  // The process's current folder; the sandbox's folder when empty.
  std::string currentFolder;
  // Appended after `arguments`: names that the system code page cannot hold.
  std::wstring wideArguments;
};

// One run of the sandbox's program. The process is ended when this goes, should it still run.
class App {
 public:
  App(const Sandbox& sandbox, const LaunchOptions& options);
  explicit App(const Sandbox& sandbox, const std::string& arguments = std::string());
  ~App();
  App(const App&) = delete;
  App& operator=(const App&) = delete;

  bool Running() const;
  // Waits for the process to end; ends it and returns false when it does not in time.
  bool WaitForExit(DWORD timeoutMs = kExitTimeoutMs);
  // Closes the window with its close button, as a user does, and waits for the process to end.
  bool CloseWindow();
  // Stays true for `quietMs`: the process runs and its main window stays visible.
  bool StaysOpen(DWORD quietMs = 700) const;

  // The visible main window ("TForm1") of this process, once it shows; nullptr on time-out.
  HWND WaitForWindow(DWORD timeoutMs = kWindowTimeoutMs);
  // The main window if it exists and is visible now.
  HWND VisibleWindow() const;
  HWND Window() const { return window_; }

  // A control of the main window by its ID, at any depth.
  HWND Control(int id) const;
  std::string Text(int id) const;
  bool IsEnabled(int id) const;
  bool IsChecked(int id) const;
  // CB_GETCURSEL of a combo box: -1 for no selection.
  int ComboSelection(int id) const;
  // LB_GETCOUNT and LB_GETCURSEL of a list box.
  int ListCount(int id) const;
  int ListSelection(int id) const;
  // LB_GETITEMRECT: an item's cell in the list box's client area.
  RECT ListItemRect(int id, int index) const;
  // The control with the keyboard focus in the program's user-interface thread.
  HWND Focus() const;
  int FocusId() const;
  // The position and size of a control in its top-level window's client area.
  RECT ControlRect(int id) const;
  SIZE ClientSize() const;

  // Presses a button (or a radio button or check box) as a mouse click does.
  void Click(int id) const;
  // Clicks an item of a list box with the mouse.
  void ClickListItem(int id, int index) const;
  void SetText(int id, const std::string& text) const;
  // Pastes the text into a field from the clipboard, in UTF-16 as other programs put it there,
  // replacing what the field held; false when the clipboard could not be had.
  bool Paste(int id, const std::wstring& text) const;
  // Characters typed into a control as the keyboard delivers them: in UTF-16, through the
  // program's message loop.
  void Type(int id, const std::wstring& text) const;
  // A key pressed and released in the focused control.
  void PressKey(UINT virtualKey) const;
  // Alt with a letter, as the system delivers it to the focused control.
  void PressAltKey(char letter) const;
  // Drops files from the shell's side: the first is the one the program takes. The wide form
  // drops names as the shell does, in UTF-16.
  bool Drop(const std::vector<std::string>& paths) const;
  bool Drop(const std::vector<std::wstring>& paths) const;

  // The program's modal boxes, top-level dialogs ("#32770") of this process.
  HWND WaitForConfirmBox(DWORD timeoutMs = kBoxTimeoutMs) const;
  HWND WaitForErrorBox(DWORD timeoutMs = kBoxTimeoutMs) const;
  HWND WaitForFileDialog(DWORD timeoutMs = kBoxTimeoutMs) const;
  // Waits for an error box, presses its OK button and returns its message; "(no error box)"
  // when none comes or it does not go.
  std::string AnswerErrorBox(DWORD timeoutMs = kBoxTimeoutMs) const;
  // Any visible dialog of this process now, or nullptr.
  HWND AnyBox() const;
  // The message of a confirmation or error box.
  static std::string BoxText(HWND box);
  // Presses a box's button and waits for the box to go; false when it stays.
  static bool Answer(HWND box, int buttonId);
  // What the open dialog's file-name field holds.
  static std::string OfferedFileName(HWND dialog);
  // Types a name into the open dialog's file-name field and presses OK (or cancels).
  static bool ChooseFile(HWND dialog, const std::string& name);
  static bool CancelDialog(HWND dialog);

  static std::string TextOf(HWND window);
  static std::wstring WideTextOf(HWND window);

 private:
  HWND FindTopLevel(const std::function<bool(HWND)>& match) const;
  // Posts WM_DROPFILES with a drop handle's block (DropBlock), written into the program.
  bool PostDrop(const std::string& block) const;
  HWND WaitForBox(const std::function<bool(HWND)>& match, DWORD timeoutMs) const;

  HANDLE process_ = nullptr;
  DWORD processId_ = 0;
  DWORD threadId_ = 0;
  HWND window_ = nullptr;
};

// Sets a DWORD registry value for the length of a test, putting back what was there before.
class RegistryValue {
 public:
  RegistryValue(HKEY root, std::string subKey, std::string name, DWORD value);
  ~RegistryValue();
  RegistryValue(const RegistryValue&) = delete;
  RegistryValue& operator=(const RegistryValue&) = delete;

  bool Set() const { return set_; }

 private:
  HKEY root_;
  std::string subKey_;
  std::string name_;
  bool set_ = false;
  bool hadValue_ = false;
  DWORD oldType_ = 0;
  std::vector<BYTE> oldData_;
};

}  // namespace velmora::e2e
