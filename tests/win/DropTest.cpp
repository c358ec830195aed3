// Several files dropped on the real main window at once: each becomes the target in turn.
#include <windows.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "DropBlock.h"
#include "FormWindow.h"
#include "ReportCapture.h"
#include "TestFiles.h"
#include "base/WideText.h"

namespace velmora {
namespace {

// A drop handle as the shell hands it over: a global block of UTF-16 names.
HDROP DropOf(const std::vector<std::wstring>& paths) {
  const std::string block = testing::DropBlock(paths);
  void* memory = GlobalAlloc(GPTR, block.size());
  std::memcpy(memory, block.data(), block.size());
  return static_cast<HDROP>(memory);
}

TEST(Drop, SeveralItemsAreTheTargetsInTurnAndANewDropReplacesTheRest) {
  const testing::ReportCapture reports;
  const testing::ScratchFolder scratch;
  const std::wstring folder = ToWide(scratch.Path()).value_or(L"");
  // A blank, a double-byte name whose second byte is a backslash, and a name the code page lacks.
  const std::vector<std::wstring> dropped = {folder + L"\\a.txt", folder + L"\\b c.txt",
                                             folder + L"\\\uD55C.txt", folder + L"\\\u30BD.txt"};
  for (const std::wstring& path : dropped) {
    if (const std::optional<std::string> bytes = ToAnsi(path, true))
      testing::MakeFile(*bytes, "text");
  }
  testing::FormWindow form("VelmoraDropTest");
  SendMessageW(form.Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(DropOf(dropped)), 0);
  EXPECT_EQ(form.Edit1.Text(), scratch / "a.txt");
  EXPECT_EQ(form.Text(), "Velmora (1/4)");

  ASSERT_TRUE(form.TakeNextTarget());
  EXPECT_EQ(form.Edit1.Text(), scratch / "b c.txt");
  EXPECT_EQ(form.Edit2.Text(), "b c");
  EXPECT_EQ(form.Text(), "Velmora (2/4)");
  // The name the code page cannot hold is reported and passed over.
  ASSERT_TRUE(form.TakeNextTarget());
  EXPECT_EQ(reports.Messages().size(), 1u);
  EXPECT_EQ(form.Edit1.Text(), ToAnsi(dropped[3], true).value_or("?"));
  EXPECT_EQ(form.Text(), "Velmora (4/4)");
  EXPECT_FALSE(form.TakeNextTarget());

  SendMessageW(form.Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(DropOf({dropped[0]})), 0);
  EXPECT_EQ(form.Edit1.Text(), scratch / "a.txt");
  EXPECT_EQ(form.Text(), "Velmora");
  EXPECT_FALSE(form.TakeNextTarget());
}

}  // namespace
}  // namespace velmora
