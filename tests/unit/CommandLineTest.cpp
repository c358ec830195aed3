#include "app/CommandLine.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "UnitTexts.h"

namespace {

using velmora::SplitCommandLine;
using Args = std::vector<std::string>;

TEST(CommandLine, QuotedProgramPathAndArgument) {
  EXPECT_EQ(SplitCommandLine("\"C:\\Program Files\\Velmora\\Velmora.exe\" \"C:\\My Docs\\a.txt\""),
            (Args{"C:\\Program Files\\Velmora\\Velmora.exe", "C:\\My Docs\\a.txt"}));
  EXPECT_EQ(SplitCommandLine("Velmora.exe"), (Args{"Velmora.exe"}));
}

TEST(CommandLine, UnquotedBlanksSplit) {
  EXPECT_EQ(SplitCommandLine("Velmora.exe C:\\My Docs\\a.txt"),
            (Args{"Velmora.exe", "C:\\My", "Docs\\a.txt"}));
  // Tabs and control characters are blanks too.
  EXPECT_EQ(SplitCommandLine("  prog\t a \x01\r\n b \t"), (Args{"prog", "a", "b"}));
  EXPECT_EQ(SplitCommandLine(""), Args{});
  EXPECT_EQ(SplitCommandLine(" \t "), Args{});
}

TEST(CommandLine, QuotesInsideAnArgumentJoinItsParts) {
  EXPECT_EQ(SplitCommandLine("prog a\"b c\"d e"), (Args{"prog", "ab cd", "e"}));
  EXPECT_EQ(SplitCommandLine("prog \" \""), (Args{"prog", " "}));
  EXPECT_EQ(SplitCommandLine("prog x\"\""), (Args{"prog", "x"}));
}

TEST(CommandLine, EmptyQuotePairsWhereAnArgumentBeginsAreSkipped) {
  EXPECT_EQ(SplitCommandLine("prog \"\" \"\"\"\" a"), (Args{"prog", "a"}));
  EXPECT_EQ(SplitCommandLine("prog \"\"a"), (Args{"prog", "a"}));
  EXPECT_EQ(SplitCommandLine("prog \"\""), (Args{"prog"}));
  EXPECT_EQ(SplitCommandLine("\"\" prog"), (Args{"prog"}));
}

TEST(CommandLine, UnterminatedQuoteRunsToTheEnd) {
  EXPECT_EQ(SplitCommandLine("prog \"C:\\My Files\\a.txt"), (Args{"prog", "C:\\My Files\\a.txt"}));
  EXPECT_EQ(SplitCommandLine("prog \"a b  "), (Args{"prog", "a b  "}));
  EXPECT_EQ(SplitCommandLine("prog \""), (Args{"prog"}));
}

TEST(CommandLine, DoubleByteTextAndTheEndOfTheText) {
  const std::string path = velmora::unit_text::kSoFolderFile;
  EXPECT_EQ(SplitCommandLine("prog " + path), (Args{"prog", path}));
  EXPECT_EQ(SplitCommandLine("prog \"" + path + "\""), (Args{"prog", path}));
  EXPECT_EQ(SplitCommandLine("prog a\x83"), (Args{"prog", "a\x83"}));
  EXPECT_EQ(SplitCommandLine("prog \"a\x83"), (Args{"prog", "a\x83"}));
  // Like the system's own command line, the text ends at a zero byte.
  EXPECT_EQ(SplitCommandLine(std::string_view("prog a\0b", 8)), (Args{"prog", "a"}));
}

TEST(CommandLine, TheWideCommandLineIsSplitByTheSameRules) {
  using Wide = std::vector<std::wstring>;
  EXPECT_EQ(SplitCommandLine(L"prog \"C:\\My Docs\\caf\u00e9.txt\" second"),
            (Wide{L"prog", L"C:\\My Docs\\caf\u00e9.txt", L"second"}));
  EXPECT_EQ(SplitCommandLine(L"prog \"\" a\"b c\"d \u3000x\t\"\""),
            (Wide{L"prog", L"ab cd", L"\u3000x"}));
  EXPECT_EQ(SplitCommandLine(std::wstring_view(L"prog a\0b", 8)), (Wide{L"prog", L"a"}));
}

}  // namespace
