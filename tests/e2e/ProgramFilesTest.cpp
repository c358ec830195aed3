#include <windows.h>
#include <gtest/gtest.h>
#include <string>

TEST(Program, IsBuiltNextToTheTests) {
  char self[MAX_PATH];
  ASSERT_GT(GetModuleFileNameA(nullptr, self, MAX_PATH), 0u);
  std::string dir(self);
  dir.resize(dir.find_last_of('\\'));
  dir.resize(dir.find_last_of('\\'));
  EXPECT_NE(GetFileAttributesA((dir + "\\Velmora.exe").c_str()), INVALID_FILE_ATTRIBUTES);
}
