// setter generate's command line: one-line usage errors that say what to change,
// --opt=value, -o that leaves no file behind a failure, defaults that work at
// every size.
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "support/binary.h"
#include "support/files.h"
#include "support/judges.h"

namespace {

namespace fs = std::filesystem;

TEST(GenerateCli, UsageErrorsSayWhatToChange) {
  const struct {
    std::vector<std::string> args;
    std::string first_line;
  } cases[] = {
      {{"generate", "foo"},
       "setter generate: unknown family 'foo' (families: random, chain, duplicates, dear-copies, loops, negative, "
       "best-at-0, best-at-T, ties, peak-late, peak-early, x-decides, star, extremes, near-tie, close-costs, "
       "hash-attack, sorted, reverse-sorted, organ-pipe, micro-gaps, sixth-decimal, extreme-totals)"},
      {{"generate", "random", "--n", "0"}, "setter generate: --n takes a whole number in 1..262144"},
      {{"generate", "random", "--n=262145"}, "setter generate: --n takes a whole number in 1..262144"},
      {{"generate", "random", "--m", "x"}, "setter generate: --m takes a whole number in 0..262144"},
      {{"generate", "random", "--ec-decimals=7"}, "setter generate: --ec-decimals takes a whole number in 0..6"},
      {{"generate", "dear-copies", "--n", "262144"},
       "setter generate: dear-copies: needs N >= 3 and M >= 2(N-1) + 1 (--m), so at most 131072 islands (--n)"},
      {{"generate", "random", "--frobnicate"}, "setter generate: unexpected argument '--frobnicate'"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.args.back());
    Ran r = run_program(kSetter, c.args);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, c.first_line + "\nsee setter generate --help\n");
  }
}

TEST(GenerateCli, OptionsWithAnEqualsSign) {
  EXPECT_EQ(run_program(kSetter, {"generate", "random", "--n=7", "--seed=3", "--ec=0..5"}).out,
            run_program(kSetter, {"generate", "random", "--n", "7", "--seed", "3", "--ec", "0..5"}).out);
}

TEST(GenerateCli, AnOutputFileAppearsOnlyWhole) {
  const std::string dir = fresh_dir();
  Ran written = run_program(kSetter, {"generate", "random", "--n", "9", "-o", dir + "a.in"});
  EXPECT_EQ(written.status, 0);
  EXPECT_EQ(bytes_of(dir + "a.in"), run_program(kSetter, {"generate", "random", "--n", "9"}).out);
  Ran failed = run_program(kSetter, {"generate", "random", "--n", "0", "-o", dir + "b.in"});
  EXPECT_EQ(failed.status, 2);
  Ran unwritable = run_setter("en", {"generate", "random", "-o", dir + "missing/c.in"});
  EXPECT_EQ(unwritable.status, 1);
  EXPECT_EQ(unwritable.err, dir + "missing/c.in: cannot be written\n");
  EXPECT_EQ(run_setter("zh-TW", {"generate", "random", "-o", dir + "missing/c.in"}).err,
            dir + "missing/c.in: 無法寫入\n");
  const Files left = files_in(dir);
  ASSERT_EQ(left.size(), 1u) << "a failed run left a file behind";
  EXPECT_EQ(left.begin()->first, "a.in");
}

// Every family at the largest N, with its defaults: a sound instance, or an error
// that names the option to change.
TEST(GenerateCli, DefaultsAtTheLargestSize) {
  for (const char *family : {"random", "chain", "duplicates", "loops", "negative", "best-at-0", "best-at-T", "ties",
                             "peak-late", "peak-early", "x-decides"}) {
    SCOPED_TRACE(family);
    const std::string instance = temp_file("");
    Ran g = run_program(kSetter, {"generate", family, "--n", "262144", "-o", instance});
    ASSERT_EQ(g.status, 0) << g.err;
    Ran v = run_program(kSetter, {"validate", instance});
    EXPECT_EQ(v.status, 0) << v.err;
    fs::remove(instance);
  }
}

} // namespace
