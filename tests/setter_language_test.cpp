// The language of the setter's reports, and their order: --lang, else the locale;
// defects in file order, a malformed token reported once, numbers quoted as the
// file writes them.
#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "support/binary.h"
#include "support/files.h"

namespace {

// text with every "{i}" replaced by path.
std::string with_path(std::string text, const std::string &path) {
  for (std::size_t at; (at = text.find("{i}")) != std::string::npos;)
    text.replace(at, 3, path);
  return text;
}

// One defect, the same in both languages but for its words.
const char kNoNewline[] = "1 0 0 0";
const std::string kEnglish = ":1:8: the file does not end in a newline\n", kChinese = ":1:8: 檔案最後少了換行字元\n";

TEST(SetterLanguage, TheLocaleChoosesUnlessLangDoes) {
  const std::string instance = temp_file(kNoNewline);
  const struct {
    std::vector<std::string> environment, options;
    bool chinese;
  } cases[] = {
      {{}, {}, false},
      {{"LANG=C.UTF-8"}, {}, false},
      {{"LANG=zh_TW.UTF-8"}, {}, true},
      {{"LANG=zh_TW"}, {}, true},
      {{"LANG=zh_HK.UTF-8"}, {}, true},
      {{"LANG=zh_CN.UTF-8"}, {}, false},
      {{"LC_ALL=en_US.UTF-8", "LANG=zh_TW.UTF-8"}, {}, false},
      {{"LC_ALL=zh_TW.UTF-8", "LC_MESSAGES=C", "LANG=C"}, {}, true},
      {{"LC_MESSAGES=zh_HK.UTF-8", "LANG=C"}, {}, true},
      {{"LC_MESSAGES=C", "LANG=zh_TW.UTF-8"}, {}, false},
      {{"LC_ALL=", "LC_MESSAGES=", "LANG=zh_TW.UTF-8"}, {}, true}, // empty ones are passed over
      {{"LANG=zh_TW.UTF-8"}, {"--lang", "en"}, false},
      {{"LANG=zh_TW.UTF-8"}, {"--lang=en"}, false},
      {{}, {"--lang", "zh-TW"}, true},
      {{}, {"--lang=zh_TW"}, true},
  };
  for (const auto &c : cases) {
    std::string trace;
    for (const std::string &s : c.environment)
      trace += s + " ";
    for (const std::string &s : c.options)
      trace += s + " ";
    SCOPED_TRACE(trace);
    std::vector<std::string> args{"validate", instance};
    args.insert(args.end(), c.options.begin(), c.options.end());
    Ran r = run_program_in(c.environment, kSetter, args);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, instance + (c.chinese ? kChinese : kEnglish));
  }
  // Before the command as well as after it.
  EXPECT_EQ(run_program_in({}, kSetter, {"--lang", "zh-TW", "validate", instance}).err, instance + kChinese);
}

TEST(SetterLanguage, AnUnknownLanguageIsAUsageError) {
  for (const std::vector<std::string> &args : {std::vector<std::string>{"validate", "x.in", "--lang", "fr"},
                                               {"--lang=", "solve", "x.in"},
                                               {"solve", "x.in", "--lang"}}) {
    Ran r = run_program_in({}, kSetter, args);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err.find("setter: --lang takes en or zh-TW"), 0u) << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 2) << "one line and where to look";
  }
}

// Defects of every kind, placed out of the order in which they are found: each
// comes out at its place in the file.
TEST(SetterLanguage, DefectsInFileOrder) {
  const std::string instance = temp_file("4 2 1 0\n0 1 1 0 \n2 3 1 0\r\n");
  const std::vector<std::string> args{"validate", instance};
  EXPECT_EQ(run_setter("en", args).err,
            instance + ":1:1: island 2 cannot be reached from island 0 through portals: no plan joins every island\n" +
                instance + ":2:8: a space at the line's end\n" + instance + ":3:8: the line ends in \\r\\n, not \\n alone\n");
  EXPECT_EQ(run_setter("zh-TW", args).err,
            instance + ":1:1: 島嶼 2 無法經由傳送門從島嶼 0 抵達，沒有方案能連通所有島嶼\n" + instance +
                ":2:8: 行尾有空格\n" + instance + ":3:8: 行尾是 \\r\\n，應只用 \\n\n");
}

// A token the checker would read in part ("1O" as 1, then "O") is one defect; the
// fields after it are read from the next token on, so their own defects are
// found and no false one is; setter solve names the first.
TEST(SetterLanguage, AMalformedTokenIsOneDefect) {
  const std::string instance = temp_file("3 3 1O 1.5\n0 1 5 1\n1 7 3 0\n0 2 x 2\n");
  const struct {
    const char *lang;
    std::string validated, solved;
  } cases[] = {
      {"en",
       ":1:5: not a decimal integer\n{i}:3:3: et of portal record 2 = 7 is no island number 0..N-1 (N = 3)\n"
       "{i}:4:5: not a decimal real (digits, an optional \"-\", and an optional point with digits on both sides)\n",
       ":1:5: T on the first line is not a number\n"},
      {"zh-TW",
       ":1:5: 不是十進位整數\n{i}:3:3: 題目檔第 2 筆傳送門資料的 et = 7 不是 0 到 N-1 的島嶼編號（N = 3）\n"
       "{i}:4:5: 不是十進位實數（應為數字，可有負號與小數點，小數點兩側都要有數字）\n",
       ":1:5: 題目檔開頭的 T 不是數字\n"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.lang);
    Ran validated = run_setter(c.lang, {"validate", instance});
    EXPECT_EQ(validated.status, 1);
    EXPECT_EQ(validated.err, with_path(instance + c.validated, instance));
    Ran solved = run_setter(c.lang, {"solve", instance});
    EXPECT_EQ(solved.status, 1);
    EXPECT_EQ(solved.out, "");
    EXPECT_EQ(solved.err, instance + c.solved);
  }
  // An integer field written as a real: once, and nothing shifted after it.
  const std::string shifted = temp_file("3 2 1 0\n0 1.0 5 1\n1 2 3 0\n");
  EXPECT_EQ(run_setter("en", {"solve", shifted}).err, shifted + ":2:3: et of portal record 1 is not a number\n");
  EXPECT_EQ(run_setter("en", {"validate", shifted}).err, shifted + ":2:3: not a decimal integer\n");
}

// Records far from the buffer's ends are read many at once; a token read in part
// among them, which leaves a loadable instance behind (one token shifted off the
// end), is still found, in any record, the header's included.
TEST(SetterLanguage, ATokenReadInPartAmidManyRecordsIsFound) {
  const struct {
    std::int32_t record; // 0: the first line's T
    const char *where;
  } cases[] = {{0, ":1:11: T on the first line"}, {1, ":2:3: et of portal record 1"},
               {1000, ":1001:5: et of portal record 1000"}, {3000, ":3001:6: et of portal record 3000"}};
  for (const auto &c : cases) {
    SCOPED_TRACE(c.record);
    std::string text = c.record == 0 ? "3000 3000 1.0 0\n" : "3000 3000 1 0\n";
    for (std::int32_t i = 1; i <= 3000; ++i)
      text += std::to_string(i - 1) + (i == c.record ? " 1.0 " : " " + std::to_string(i % 3000) + " ") +
              std::to_string(i % 7) + " 0\n"; // whole numbers all: read shifted, they still load
    const std::string instance = temp_file(text);
    const Ran solved = run_setter("en", {"solve", instance});
    EXPECT_EQ(solved.status, 1);
    EXPECT_EQ(solved.err, instance + c.where + " is not a number\n");
  }
}

// Canonical record lines far from the file's end are passed over many at once;
// a departure on any one of them is still reported where it stands.
TEST(SetterLanguage, ALayoutDefectAmidManyRecordsIsReported) {
  const struct {
    const char *line, *report;
  } cases[] = {
      {"999 07 1.5 0", ":1000:5: an integer takes no leading zero"},
      {"999  7 1.5 0", ":1000:5: more than one space between fields"},
      {"999 7 1.5 0 ", ":1000:12: a space at the line's end"},
      {"999 7 1.5 0\r", ":1000:12: the line ends in \\r\\n, not \\n alone"},
      {"999 +7 1.5 0", ":1000:5: an integer takes no \"+\""},
      {"-0 7 1.5 0", ":1000:1: an integer is not written \"-0\""},
      {"999 7 01.5 0", ":1000:7: a real takes no leading zero"},
      {"999 7 1.5 .5", ":1000:11: not a decimal real"},
      {"999 7 1.5", ":1000:10: the line has 3 fields, not 4"},
      {"999 7 1.5 0 4", ":1000:13: an extra field: the line should hold only 4"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.line);
    std::string text = "3000 3000 1 0\n";
    for (std::int32_t i = 1; i <= 3000; ++i)
      text += i == 999 ? std::string(c.line) + "\n"
                       : std::to_string(i - 1) + " " + std::to_string(i % 3000) + " " + std::to_string(i % 7) + ".5 0\n";
    const std::string instance = temp_file(text);
    const Ran validated = run_setter("en", {"validate", instance, "--checker-limits"});
    EXPECT_EQ(validated.status, 1);
    EXPECT_NE(validated.err.find(instance + c.report), std::string::npos) << validated.err;
  }
  // Sound records past the M-th, far from the end, are more than the file holds.
  std::string text = "2991 2990 1 0\n";
  for (std::int32_t i = 1; i <= 3000; ++i)
    text += std::to_string(i - 1) + " " + std::to_string(i % 3000) + " " + std::to_string(i % 7) + ".5 0\n";
  const std::string instance = temp_file(text);
  EXPECT_EQ(run_setter("en", {"validate", instance, "--checker-limits"}).err,
            instance + ":2992:1: more after the last portal record\n");
}

// Whether a token is read whole, as "%d" or "%lf" takes it, decides between a
// defect of its own field and none; the same near the file's end, where it is
// read a byte at a time, and far from it, where eight bytes at a time.
TEST(SetterLanguage, WhichTokensAreReadWhole) {
  const struct {
    const char *token;
    bool real, whole;
  } cases[] = {
      {"5", true, true},         {"-5", true, true},       {"+5", true, true},      {"5.", true, true},
      {".5", true, true},        {"1e5", true, true},      {"0x1p3", true, true},   {"12345678.5", true, true},
      {"0.123456789", true, true}, {"1.5.3", true, false}, {"-", true, false},      {".", true, false},
      {"5x", true, false},       {"1", false, true},       {"+1", false, true},     {"00000001", false, true},
      {"1.0", false, false},     {"1O", false, false},     {"-", false, false},     {"1e0", false, false},
  };
  for (const auto &c : cases)
    for (const std::string &tail : {std::string(), std::string(40, ' ') + "\n"}) {
      SCOPED_TRACE(std::string(c.token) + (tail.empty() ? " at the end" : " far from the end"));
      const std::string instance = temp_file(c.real ? "2 1 0 0\n0 1 " + std::string(c.token) + " 0\n" + tail
                                                    : "2 1 0 0\n0 " + std::string(c.token) + " 5 0\n" + tail);
      Ran r = run_setter("en", {"solve", instance});
      const std::string broken = instance + (c.real ? ":2:5: ec" : ":2:3: et") + " of portal record 1 is not a number\n";
      if (c.whole)
        EXPECT_EQ(r.status, 0) << r.err; // every whole token here is a sound value
      else
        EXPECT_EQ(r.err, broken);
    }
}

// A line short of a field, or with one too many, shifts every field after it as
// a reader takes them: that one line is reported, not what the shift makes of
// the rest.
TEST(SetterLanguage, AShiftingLineIsOneDefect) {
  const struct {
    const char *text, *en, *zh;
  } cases[] = {
      {"3 3 2\n0 1 5 1\n1 2 3 0\n0 2 4 2\n", ":1:6: the line has 3 fields, not 4\n", ":1:6: 這一行只有 3 個欄位，應有 4 個\n"},
      {"3 3 2 1.5 7\n0 1 5 1\n1 2 3 0\n0 2 4 2\n", ":1:11: an extra field: the line should hold only 4\n",
       ":1:11: 多餘的欄位：這一行應只有 4 個欄位\n"},
      // Defects before the shifting line still count.
      {"3 3 2 1.5\n0 5 5 1\n1 2 3\n0 2 4 2\n",
       ":2:3: et of portal record 1 = 5 is no island number 0..N-1 (N = 3)\n{i}:3:6: the line has 3 fields, not 4\n",
       ":2:3: 題目檔第 1 筆傳送門資料的 et = 5 不是 0 到 N-1 的島嶼編號（N = 3）\n{i}:3:6: 這一行只有 3 個欄位，應有 4 個\n"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.text);
    const std::string instance = temp_file(c.text);
    for (const auto &[lang, said] : {std::pair{"en", c.en}, std::pair{"zh-TW", c.zh}}) {
      Ran r = run_setter(lang, {"validate", instance});
      EXPECT_EQ(r.status, 1);
      EXPECT_EQ(r.err, with_path(instance + said, instance));
    }
  }
}

// A hundred reports at most, then how many more there are.
TEST(SetterLanguage, ReportsBeyondAHundredAreCounted) {
  std::string text = "2 101 0 0\n";
  for (int i = 0; i < 101; ++i)
    text += "0 1 1 0\r\n";
  const std::string instance = temp_file(text);
  for (const auto &[lang, last] : {std::pair{"en", "1 more defect not listed\n"}, std::pair{"zh-TW", "還有 1 個缺陷未列出\n"}}) {
    Ran r = run_setter(lang, {"validate", instance});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 101);
    EXPECT_EQ(r.err.substr(r.err.rfind('\n', r.err.size() - 2) + 1), last);
  }
}

// Numbers from the file as the file writes them; computed ones in the shortest
// form that reads back exactly.
TEST(SetterLanguage, NumbersAsWritten) {
  const std::string instance = temp_file("2 1 0 0\n0 1 565.08 0\n");
  Ran bound = run_setter("en", {"validate", instance, "--ec", "0..500.5"});
  EXPECT_EQ(bound.err, instance + ":2:5: ec = 565.08 lies outside 0..500.5 (--ec)\n");
  EXPECT_EQ(run_setter("zh-TW", {"validate", instance, "--ec", "0..500.5"}).err,
            instance + ":2:5: ec = 565.08 超出範圍 0..500.5（--ec）\n");
  const std::string infinite = temp_file("2 1 0 0\n0 1 1e999 0\n");
  EXPECT_EQ(run_setter("en", {"solve", infinite}).err, infinite + ":2:5: ec of portal record 1 is not finite (1e999)\n");
  EXPECT_EQ(run_setter("zh-TW", {"solve", infinite}).err,
            infinite + ":2:5: 題目檔第 1 筆傳送門資料的 ec 不是有限數（1e999）\n");
  // 0.1 + 0.2 at t = 0: the least total is 0.30000000000000004, which an answer
  // of 0.2999 misses.
  const std::string sum = temp_file("3 2 0 0\n0 1 0.1 0\n1 2 0.2 0\n"), answer = temp_file("0.2999\n");
  EXPECT_EQ(run_setter("en", {"validate", sum, answer}).err,
            answer + ":1:1: the answer 0.2999 is below the least total over all t, 0.30000000000000004 (t = 0): no plan "
                     "reaches it, and every plan that is cheapest at its t makes the checker report the judge's data "
                     "broken\n");
}

// The duplicate pair (0 1) is cheaper by the earlier portal, which a plan cannot
// name; that portal is in the least tree only at t = 1, where the paths through
// islands 2 and 3 both cost more. The instance is sound, at t = 0 and t = 2 alike.
TEST(SetterLanguage, SolveAtATNoPlanCanWin) {
  const std::string instance = temp_file("4 6 2 0\n0 1 5 0\n1 0 6 0\n0 2 4 -3\n2 1 4 -3\n0 3 10 3\n3 1 10 3\n");
  EXPECT_EQ(run_setter("en", {"validate", instance}).status, 0);
  Ran at_zero = run_setter("en", {"solve", instance, "--at", "0"});
  EXPECT_EQ(at_zero.status, 0);
  EXPECT_EQ(at_zero.out, "18\n");
  const struct {
    const char *lang, *err;
  } cases[] = {
      {"en", ": at t = 1 the least total 19 becomes 20 with only the portals a plan can name, so no plan can be "
             "cheapest at that t\n"},
      {"zh-TW", ": t = 1 時的最小總成本 19 在只用方案能選的傳送門時變為 20，沒有方案能是該 t 值的最小成本\n"},
  };
  for (const auto &c : cases) {
    Ran r = run_setter(c.lang, {"solve", instance, "--at", "1"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, instance + c.err);
  }
}

} // namespace
