#include "app/CommandLine.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "UnitTexts.h"
#include "app/TargetQueue.h"

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

// Every argument after the first is a target of its own, split by the same rules.
TEST(CommandLine, EveryFurtherArgumentIsSplitAsTheFirstIs) {
  const std::string so = velmora::unit_text::kSoFolderFile;
  const struct {
    std::string line;
    Args arguments;
  } cases[] = {
      {"prog a.txt \"b c.txt\" d", {"prog", "a.txt", "b c.txt", "d"}},
      {"prog \"a\" \"\" b\t\"c d\"e", {"prog", "a", "b", "c de"}},
      {"prog " + so + " \"" + so + "\" " + so, {"prog", so, so, so}},
      {"prog x \"y z", {"prog", "x", "y z"}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(SplitCommandLine(c.line), c.arguments) << c.line;
}

TEST(TargetQueue, ServesEachTargetOnceInOrderAndADropReplacesTheRest) {
  velmora::TargetQueue queue;
  EXPECT_FALSE(queue.Next());
  queue.Replace({L"a", L"b", L"c"});
  EXPECT_EQ(queue.Next(), L"a");
  EXPECT_EQ(velmora::QueueCaption("Velmora", queue.Position(), queue.Count()), "Velmora (1/3)");
  EXPECT_EQ(queue.Next(), L"b");
  queue.Replace({L"d"});
  EXPECT_EQ(queue.Next(), L"d");
  EXPECT_EQ(velmora::QueueCaption("Velmora", queue.Position(), queue.Count()), "Velmora");
  EXPECT_FALSE(queue.HasNext());
  EXPECT_FALSE(queue.Next());
}

}  // namespace
