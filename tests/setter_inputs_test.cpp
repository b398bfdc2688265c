// The setter's commands given what is no sound file: a folder, an endless device,
// a file too large to be a test, one that cannot be read. Each is one located
// line and exit 1, in bounded memory, as the instance and as the answer alike;
// in either language of reports.
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>
#include <vector>

#include "support/binary.h"
#include "support/files.h"
#include "support/judges.h"

namespace {

namespace fs = std::filesystem;

// Well above the 64 MiB a command may read, far below holding an endless stream.
constexpr long kMostKib = 200 * 1024;

// A sparse file of 300 MB: no disk is used for it.
std::string huge_file() {
  const std::string path = temp_file("");
  EXPECT_EQ(truncate(path.c_str(), 300L << 20), 0);
  return path;
}

// What a report says in each language.
struct Said {
  std::string en, zh;
  const std::string &in(const std::string &lang) const { return lang == "en" ? en : zh; }
};

const char *const kLanguages[] = {"en", "zh-TW"};

TEST(SetterInputs, NoSoundFileIsOneLineAndExitOne) {
  const std::string instance = EXAMPLES_DIR "/instance.txt", folder = fresh_dir(), huge = huge_file();
  const Said too_large{"larger than the bound of 64 MiB: no sensible test file", "大於 64 MiB 的上限，不是合理的測資檔"},
      unopened{"cannot be opened", "無法開啟"};
  struct Bad {
    std::string path;
    Said says;
  };
  std::vector<Bad> bad = {{folder, {"a folder, not a file", "是資料夾，不是檔案"}},
                          {"/dev/zero", too_large},
                          {"/dev/urandom", too_large},
                          {huge, too_large},
                          {"/nonexistent/file", unopened}};
  if (getuid() != 0) { // root reads any file
    const std::string locked = temp_file("1 0 0 0\n");
    chmod(locked.c_str(), 0);
    bad.push_back({locked, unopened});
  }
  const Said no_test{"no tests in the folder: no NAME.in, no sample/ or secret/, no Kattis data/, no CMS input/",
                     "資料夾中沒有測資：沒有 NAME.in、sample/ 或 secret/、Kattis 的 data/ 或 CMS 的 input/"};
  for (const std::string lang : kLanguages)
    for (const Bad &b : bad)
      for (const std::vector<std::string> &args : {std::vector<std::string>{"solve", b.path},
                                                   {"validate", b.path},
                                                   {"validate", instance, b.path}}) {
        SCOPED_TRACE(lang + " " + args[0] + " " + args[1] + (args.size() > 2 ? " " + args[2] : ""));
        Ran r = run_setter(lang, args);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.out, "");
        // A folder in the instance's place is a batch: one with no test says so.
        const Said &says = b.path == folder && args.size() == 2 ? no_test : b.says;
        EXPECT_EQ(r.err, b.path + ": " + says.in(lang) + "\n");
        EXPECT_LT(r.peak_kib, kMostKib);
      }
  fs::remove(huge);
}

// Standard input, named "-", is read like a file, and bounded like one.
TEST(SetterInputs, StandardInput) {
  Ran solved = run_program(kSetter, {"solve", "-"}, EXAMPLES_DIR "/instance.txt");
  EXPECT_EQ(solved.status, 0);
  EXPECT_EQ(solved.out, "8\n");
  EXPECT_EQ(run_program(kSetter, {"validate", "-", EXAMPLES_DIR "/answer.txt"}, EXAMPLES_DIR "/instance.txt").status, 0);
  for (const std::string lang : kLanguages) {
    Ran endless = run_setter(lang, {"validate", "-"}, "/dev/zero");
    EXPECT_EQ(endless.status, 1);
    EXPECT_EQ(endless.err, lang == "en" ? "-: larger than the bound of 64 MiB: no sensible test file\n"
                                        : "-: 大於 64 MiB 的上限，不是合理的測資檔\n");
    EXPECT_LT(endless.peak_kib, kMostKib);
    // A defect in a test read from standard input is placed in "-".
    Ran broken = run_setter(lang, {"solve", "-"}, temp_file("2 1 0 0\n0 2 1 0\n"));
    EXPECT_EQ(broken.status, 1);
    EXPECT_EQ(broken.err, lang == "en" ? "-:2:3: et of portal record 1 = 2 is no island number 0..N-1 (N = 2)\n"
                                       : "-:2:3: 題目檔第 1 筆傳送門資料的 et = 2 不是 0 到 N-1 的島嶼編號（N = 2）\n");
  }
}

} // namespace

namespace {

// Constraints a statement may set: no pair joined twice, no portal on one island.
TEST(SetterInputs, DistinctPairsAndNoLoops) {
  // Record 1 and record 4 join islands 0 and 1 (the later, the one a plan names,
  // the cheaper); record 2 is a loop.
  const std::string instance = temp_file("3 4 0 0\n0 1 4 0\n1 1 2 0\n2 1 3 0\n1 0 1 0\n");
  EXPECT_EQ(run_program(kSetter, {"validate", instance}).status, 0);
  const Said pair{":2:1: portal records 1 and 4 join the same pair of islands (--distinct-pairs)\n",
                  ":2:1: 第 1 筆與第 4 筆傳送門連接同一對島嶼（--distinct-pairs）\n"},
      loop{":3:1: both ends of the portal are island 1 (--no-loops)\n", ":3:1: 傳送門的兩端是同一座島嶼 1（--no-loops）\n"};
  for (const std::string lang : kLanguages) {
    SCOPED_TRACE(lang);
    Ran pairs = run_setter(lang, {"validate", instance, "--distinct-pairs"});
    EXPECT_EQ(pairs.status, 1);
    EXPECT_EQ(pairs.err, instance + pair.in(lang));
    Ran loops = run_setter(lang, {"validate", instance, "--no-loops"});
    EXPECT_EQ(loops.status, 1);
    EXPECT_EQ(loops.err, instance + loop.in(lang));
    EXPECT_EQ(run_setter(lang, {"validate", instance, "--no-loops", "--distinct-pairs"}).err, pairs.err + loops.err);
  }
}

} // namespace

namespace {

// A folder of tests at once: solve writes what is missing, validate reports a
// line per test with defects and a count; several files are never taken for an
// instance and its answer.
TEST(SetterInputs, Batches) {
  const std::string dir = fresh_dir(), example = bytes_of(EXAMPLES_DIR "/instance.txt");
  for (const char *name : {"a", "b", "c"})
    ASSERT_EQ(std::system(("cp " EXAMPLES_DIR "/instance.txt " + dir + name + ".in").c_str()), 0);
  ASSERT_EQ(std::system(("printf '2 0 0 0\\n' > " + dir + "d.in").c_str()), 0); // islands no portal joins
  ASSERT_EQ(std::system(("printf '9\\n' > " + dir + "b.total").c_str()), 0);     // a wrong total, kept
  const std::string d_unreached = "island 1 cannot be reached from island 0 through portals: no plan joins every island";
  Ran solved = run_setter("en", {"solve", dir});
  EXPECT_EQ(solved.status, 1);
  EXPECT_EQ(solved.err, dir + "d.in:1:1: " + d_unreached + "\n4 tests, 5 answer files written, 1 instance refused\n");
  EXPECT_EQ(bytes_of(dir + "a.total"), "8\n");
  EXPECT_EQ(bytes_of(dir + "a.ans"), "3 3\n2 3\n1 3\n0 1\n");
  EXPECT_EQ(bytes_of(dir + "b.total"), "9\n");
  Ran again = run_setter("zh-TW", {"solve", dir});
  EXPECT_EQ(again.err, dir + "d.in:1:1: 島嶼 1 無法經由傳送門從島嶼 0 抵達，沒有方案能連通所有島嶼\n"
                             "4 組測資，寫入 0 個答案檔，1 個題目檔被拒\n");
  Ran validated = run_setter("en", {"validate", dir});
  EXPECT_EQ(validated.status, 1);
  EXPECT_EQ(validated.err, dir + "b.in: 1 defect: " + dir +
                               "b.total:1:1: the answer 9 is above the least total over all t, 8 (t = 3): an optimal "
                               "plan comes below it, and the checker reports the judge's data broken\n" +
                               dir + "d.in: 1 defect: " + dir + "d.in:1:1: " + d_unreached + "\n2 sound, 2 with defects\n");
  Ran in_chinese = run_setter("zh-TW", {"validate", dir});
  EXPECT_EQ(in_chinese.status, 1);
  EXPECT_EQ(in_chinese.err.substr(in_chinese.err.rfind('\n', in_chinese.err.size() - 2) + 1), "2 個健全，2 個有缺陷\n");
  EXPECT_NE(in_chinese.err.find(dir + "b.in: 1 個缺陷，第一個：" + dir + "b.total:1:1: 答案 9 高於"), std::string::npos)
      << in_chinese.err;
  // An answer given as a plan must be optimal.
  EXPECT_EQ(run_program(kSetter, {"validate", dir + "a.in", dir + "a.ans"}).status, 0);
  ASSERT_EQ(std::system(("printf '1 3\\n2 3\\n1 3\\n0 1\\n' > " + dir + "a.ans").c_str()), 0);
  Ran suboptimal = run_setter("zh-TW", {"validate", dir + "a.in", dir + "a.ans"});
  EXPECT_EQ(suboptimal.status, 1);
  EXPECT_EQ(suboptimal.err, dir + "a.ans: 方案總成本 18 不是所有 t 中的最小總成本 8\n");
  EXPECT_EQ(run_setter("en", {"validate", dir + "a.in", dir + "a.ans"}).err,
            dir + "a.ans: the plan's total 18 is not the least total over all t, 8\n");
  for (const std::vector<std::string> &args : {std::vector<std::string>{"validate", dir + "a.in", dir + "c.in"},
                                               {"validate", dir + "a.in", dir + "b.in", dir + "c.in"}}) {
    Ran r = run_program(kSetter, args);
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("validate takes one test, INSTANCE [ANSWER], or one folder of tests"), std::string::npos);
  }
  fs::remove_all(dir);
}

} // namespace

namespace {

// --decimals D at its boundary: D digits after the point pass, D + 1 do not.
TEST(SetterInputs, DecimalsAtTheBound) {
  const std::string six = temp_file("2 1 0 1.5\n0 1 2.123456 0.000001\n"),
                    seven = temp_file("2 1 0 1.5\n0 1 2.1234567 0\n");
  EXPECT_EQ(run_program(kSetter, {"validate", six, "--decimals", "6"}).status, 0);
  Ran r = run_setter("zh-TW", {"validate", seven, "--decimals", "6"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, seven + ":2:5: 實數的小數點後超過 6 位（--decimals）\n");
  EXPECT_EQ(run_setter("en", {"validate", seven, "--decimals", "6"}).err,
            seven + ":2:5: more than 6 digits after the point (--decimals)\n");
  EXPECT_EQ(run_program(kSetter, {"validate", seven, "--decimals", "7"}).status, 0);
}

} // namespace
