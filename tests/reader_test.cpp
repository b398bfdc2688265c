#include "reader/reader.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <type_traits>
#include <vector>

#include "support/files.h"

namespace {

// Reads integers until a read is not ok: the values, then how it stopped.
std::string int_trace(const std::string &text) {
  bind_text(text);
  std::string trace;
  std::int32_t v;
  Scan s;
  while ((s = read_int(v)) == Scan::ok)
    trace += std::to_string(v) + " ";
  const char *names[] = {"ok", "end", "not_number", "too_big", "unreadable"};
  return trace + names[static_cast<int>(s)];
}

TEST(ReadInt, BehavesAsPercentD) {
  const std::string spaces(262141, ' '); // numbers straddling the 2^18-byte buffer's refills

  struct {
    std::string input, trace;
  } cases[] = {
      {"1 2x", "1 2 not_number"},
      {"3,4", "3 not_number"},
      {"+5 -0 0005", "5 0 5 end"},
      {" \t\n\v\f\r7\r\n", "7 end"},
      {"2147483647 -2147483648", "2147483647 -2147483648 end"},
      {"2147483648", "too_big"},
      {"-2147483649", "too_big"},
      {"99999999999999999999", "too_big"},
      {std::string(10 << 20, '9'), "too_big"},
      {"-0000000000000000000000002147483648", "-2147483648 end"},
      {"", "end"},
      {"-", "not_number"},
      {"+-1", "not_number"},
      {"- 5", "not_number"},
      {"1.0", "1 not_number"},
      {"1/0", "1 not_number"},
      {"NaN", "not_number"},
      {std::string("4\0 5", 4), "4 not_number"},
      {"\x80"
       "1",
       "not_number"},
      {"0x10", "0 not_number"},
      {spaces + "12345 " + std::string(600000, '0') + "7 -" + spaces + "8", "12345 7 not_number"},
      {spaces + "-12345678 " + std::string(300000, '0') + "8", "-12345678 8 end"},
  };

  for (const auto &c : cases) {
    SCOPED_TRACE(c.input.substr(0, 40));
    EXPECT_EQ(int_trace(c.input), c.trace);
  }
}

TEST(ReadInt, UnreadableFile) {
  ASSERT_TRUE(input_bind("/"));
  std::int32_t v;
  EXPECT_EQ(read_int(v), Scan::unreadable);
}

Scan read_number(double &v) { return read_real(v); }

Scan read_number(std::int32_t &v) { return read_int(v); }

// Reads text with glibc's fscanf and with the reader, read after read, and expects
// the same values to the bit, and the same ending.
template <class Number> void expect_like_scanf(const std::string &text) {
  SCOPED_TRACE(text.substr(0, 60));
  std::FILE *f = fmemopen(const_cast<char *>(text.data()), text.size(), "r");
  bind_text(text);
  Number ours, theirs;
  for (int i = 0;; ++i) {
    int r = std::fscanf(f, std::is_same_v<Number, double> ? "%lf" : "%d", &theirs);
    Scan s = read_number(ours);
    ASSERT_EQ(s == Scan::ok, r == 1) << "read " << i;
    if (r != 1) {
      EXPECT_EQ(s == Scan::end, r == EOF);
      break;
    }
    bool both_nan = std::isnan(double(ours)) && std::isnan(double(theirs));
    ASSERT_TRUE(both_nan || std::memcmp(&ours, &theirs, sizeof ours) == 0)
        << ours << " vs " << theirs << " at read " << i;
  }
  std::fclose(f);
}

// Runs of white space of every length up to past two blocks of 64, of every
// white-space byte, ended by a number or by a byte that only looks blank (0x0E,
// 0x1F, 0x08, 0xA0): each stops the run where it stands, also across a refill.
TEST(ReadInt, LongRunsOfWhiteSpace) {
  const std::string blanks = " \t\n\v\f\r";
  std::mt19937 rng(11);
  for (std::size_t length = 0; length < 200; ++length) {
    std::string run;
    for (std::size_t i = 0; i < length; ++i)
      run += blanks[rng() % blanks.size()];
    SCOPED_TRACE(length);
    EXPECT_EQ(int_trace(run + "7" + run), "7 end");
    for (const char stop : {'\x0e', '\x1f', '\x08', '\xa0'}) {
      bind_text(run + stop + "7");
      std::int32_t v;
      EXPECT_EQ(read_int(v), Scan::not_number);
      EXPECT_EQ(input_token_offset(), length);
    }
  }
  // A run that crosses the buffer's refill, ended past it.
  const std::string across(1 << 19, ' ');
  EXPECT_EQ(int_trace(across + "-12 " + across), "-12 end");
  bind_text(across + "x");
  std::int32_t v;
  EXPECT_EQ(read_int(v), Scan::not_number);
  EXPECT_EQ(input_token_offset(), across.size());
}

TEST(ReadInt, RandomTokensMatchScanf) {
  std::mt19937_64 rng(5);
  std::string text;
  const char *separators[] = {" ", "\n", "\t", "\r\n", "   ", "\v\f"};
  for (int i = 0; i < 100000; ++i) {
    std::int64_t v = static_cast<std::int64_t>(rng() % 2147483648u);
    for (int shift = static_cast<int>(rng() % 10); shift > 0; --shift)
      v /= 10; // every length from 1 to 10 digits
    text += (rng() % 3 == 0 ? "-"
             : rng() % 4    ? ""
                            : "+") +
            std::string(rng() % 9 ? 0 : 3, '0') + std::to_string(v) + separators[rng() % 6];
  }
  expect_like_scanf<std::int32_t>(text);
}

TEST(ReadReal, MatchesScanfOnEveryForm) {
  const std::string halfway = "9007199254740993"; // 2^53 + 1: a far digit decides
  // clang-format off
  const std::string cases[] = {
      "1.5 -2 +3 .5 5. -0 0", "1e5x", "1e 2", "1e+ 3", "1.5e", "1ee", "1e5.5", "1..2", ".",
      "-.", ".e5", "+", "-", "+-1", "0x", "0x.", "0x.8", "0x1p", "0x1.8p3", "0X1P-2", "0xg", "0xx",
      "-0x", "0xp3", "0x.p1", "0x1.p", "0x1p+", "0x1pq", "0x-1", "00x1", "0x1e", "0x1.8p3.5",
      "inf", "-inf", "+inf", "infx", "INFINITY", "infinityx", "infin", "infinit", "in", "nan",
      "-nan", "nAn", "nan(abc)", "nanx", "n", "1e-400", "1e999", "4e-324", "2e-324",
      "2.4703282292062327e-324", "2.4703282292062328e-324", "1.7976931348623158e308",
      "1.797693134862315807e308", "0x1p-1074", "0x1p-1075", "0x1.8p-1075", "0x1p1024",
      "0x1.fffffffffffff8p1023", "0x0.0000001p-1040", "1e99999999999999999999",
      "1e-99999999999999999999", "0e99999999999", "1e00005 1e-0005", halfway,
      "0.1 0.2 123.456 1e23 8.589973e9 12345678901234567890", "\x80", std::string("1\0 2", 4),
      "", "   ", halfway + std::string(2000, '0'), halfway + "." + std::string(2000, '0') + "1",
      halfway + std::string(2000, '0') + "1e-2000", "0." + std::string(5000, '0') + "123e5000",
      std::string(1000, '9') + "e-700", "0x1.00000000000008" + std::string(1000, '0') + "1p0",
      "0x1.00000000000008p0", "0x" + std::string(400, 'f') + "p-3000",
  };
  // clang-format on
  for (const std::string &c : cases)
    expect_like_scanf<double>(c);
}

TEST(ReadReal, RandomNumbersMatchScanf) {
  std::mt19937_64 rng(7);
  std::string text;
  for (int i = 0; i < 20000; ++i) {
    double v;
    std::uint64_t bits = rng();
    std::memcpy(&v, &bits, sizeof v);
    if (std::isfinite(v)) {
      char buf[64];
      const char *formats[] = {"%.17g ", "%.3f ", "%.6e ", "%.20e ", "%a "};
      std::snprintf(buf, sizeof buf, formats[i % 5], i % 5 == 1 ? std::fmod(v, 1e9) : v);
      text += buf;
    }
  }
  expect_like_scanf<double>(text);
}

// Records read as the loader reads them (a run of short forms, then one record
// token by token, and again) against glibc's fscanf("%d %d %lf %lf"), record after
// record: the same values to the bit, whatever forms the tokens take.
// White space between tokens: mostly one byte, sometimes every kind, sometimes
// runs long enough that a record spans the 4096 bytes classified at once.
std::string separator(std::mt19937_64 &rng) {
  const char *kinds[] = {"\n\t ", "\r\n", "\v", "\f", "  \n"};
  switch (rng() % 64) {
  case 0:
    return std::string(100 + rng() % 100, ' ');
  case 1:
    return rng() % 8 ? kinds[rng() % 5] : std::string(3000 + rng() % 3000, ' ');
  default:
    return rng() % 16 ? " " : kinds[rng() % 5];
  }
}

// Whether a form writes digits after the value's (which could overflow "%d").
bool appends_digits(const char *form) { return std::strstr(form, "%d") + 2 != form + std::strlen(form); }

// The runs and the token-by-token readers, against fscanf on the same text.
TEST(ReadFast, RecordsMatchScanfWhateverTheForms) {
  std::mt19937_64 rng(9);
  // Every form reads as a whole record, so that both readers get to the end.
  const char *forms[] = {"%d", "+%d", "-%d", "00%d", "%d1234", "0000000%d", "%07d"};
  const char *reals[] = {"%.3f",     "-%.4f", "%.0f.", ".%.0f", "%.2e", "0x1p%.0f", "%.9f", "1%.0f234567.5",
                         "%.7f", "-%.0f00."}; // the last: up to nine bytes, a point and no digit after it
  std::string text;
  const int records = 50000;
  for (int i = 0; i < records; ++i) {
    char token[64];
    for (int f = 0; f < 4; ++f) {
      const bool real = f >= 2, plain = rng() % 8 != 0;
      const char *form = real ? (plain ? reals[0] : reals[rng() % 10]) : (plain ? forms[0] : forms[rng() % 7]);
      if (real)
        std::snprintf(token, sizeof token, form, static_cast<double>(rng() % 200000) / 7.0);
      else // values of up to 7 digits where the form appends no digits of its own
        std::snprintf(token, sizeof token, form,
                      static_cast<int>(rng() % 4 == 0 && !appends_digits(form) ? rng() % 10000000 : rng() % 1200));
      text += token;
      text += separator(rng);
    }
  }
  std::FILE *f = fmemopen(text.data(), text.size(), "r");
  bind_text(text);
  std::vector<std::int32_t> a(records), b(records);
  std::vector<double> c(records), d(records);
  int i = 0, fast = 0;
  while (i < records) {
    std::size_t got = read_records_fast(5000000, &a[i], &b[i], &c[i], &d[i], static_cast<std::size_t>(records - i));
    fast += static_cast<int>(got);
    if (got == 0) {
      if (read_int(a[i]) != Scan::ok || read_int(b[i]) != Scan::ok || read_real(c[i]) != Scan::ok ||
          read_real(d[i]) != Scan::ok)
        break;
      got = 1;
    }
    i += static_cast<int>(got);
  }
  for (int j = 0; j < i; ++j) {
    std::int32_t x, y;
    double r, q;
    ASSERT_EQ(std::fscanf(f, "%d %d %lf %lf", &x, &y, &r, &q), 4) << "record " << j;
    ASSERT_EQ(a[j], x) << "record " << j;
    ASSERT_EQ(b[j], y) << "record " << j;
    ASSERT_EQ(std::memcmp(&c[j], &r, sizeof r), 0) << "record " << j;
    ASSERT_EQ(std::memcmp(&d[j], &q, sizeof q), 0) << "record " << j;
  }
  std::int32_t x, y;
  double r, q;
  EXPECT_EQ(i, records) << "the reader stopped early";
  EXPECT_EQ(std::fscanf(f, "%d %d %lf %lf", &x, &y, &r, &q), EOF);
  EXPECT_GT(fast, records / 10) << "the runs took too few records to be tested";
  std::fclose(f);
}

TEST(ReadFast, PairsMatchScanfWhateverTheForms) {
  std::mt19937_64 rng(4);
  const char *forms[] = {"%d", "+%d", "-%d", "00%d", "%d1234", "%07d", "%d999"};
  std::string text;
  const int pairs = 100000;
  for (int i = 0; i < 2 * pairs; ++i) {
    char token[64];
    const char *form = rng() % 8 ? "%d" : forms[rng() % 7];
    std::snprintf(token, sizeof token, form,
                  static_cast<int>(appends_digits(form) ? rng() % 100000 : rng() % 4 ? rng() % 300000 : rng() % 10000000));
    text += token;
    text += separator(rng);
  }
  std::FILE *f = fmemopen(text.data(), text.size(), "r");
  bind_text(text);
  std::vector<std::int32_t> u(pairs), v(pairs);
  int i = 0, fast = 0;
  while (i < pairs) {
    // Runs of a few pairs, some lines read token by token between them: a run takes
    // up where the last stopped only when nothing was read in between.
    const auto want = std::min<std::size_t>(static_cast<std::size_t>(pairs - i), rng() % 4 ? 1 + rng() % 7 : 10000);
    std::size_t got = rng() % 16 ? read_int_pairs_fast(&u[i], &v[i], want) : 0;
    fast += static_cast<int>(got);
    if (got == 0) {
      if (read_int(u[i]) != Scan::ok || read_int(v[i]) != Scan::ok)
        break;
      got = 1;
    }
    i += static_cast<int>(got);
  }
  ASSERT_EQ(i, pairs) << "the reader stopped early";
  for (int j = 0; j < pairs; ++j) {
    std::int32_t x, y;
    ASSERT_EQ(std::fscanf(f, "%d %d", &x, &y), 2) << "pair " << j;
    ASSERT_EQ(u[j], x) << "pair " << j;
    ASSERT_EQ(v[j], y) << "pair " << j;
  }
  EXPECT_GT(fast, pairs / 2) << "the runs took too few pairs to be tested";
  std::fclose(f);
}

// Reals of nine bytes or more take the runs' second path: a point with no digit
// after it has no fraction to add.
TEST(ReadFast, ALongRealEndingInAPoint) {
  std::int32_t v;
  bind_text("0\n1 2 -1234567. -7654321.\n3 4 -1234567.5 1234567.\n" + std::string(200, ' '));
  ASSERT_EQ(read_int(v), Scan::ok);
  std::int32_t a[2], b[2];
  double c[2], d[2];
  ASSERT_EQ(read_records_fast(7, a, b, c, d, 2), 2u);
  EXPECT_EQ(c[0], -1234567.0);
  EXPECT_EQ(d[0], -7654321.0);
  EXPECT_EQ(c[1], -1234567.5);
  EXPECT_EQ(d[1], 1234567.0);
}

TEST(ReadFast, ARunLeavesTheRecordItCannotTakeWhole) {
  // A token read first fills the buffer: the runs never read the file themselves.
  std::int32_t v;
  bind_text("0\n1 2 3.5 4.25\n5 6 7 8\n9 10 1e2 0\n" + std::string(200, ' '));
  ASSERT_EQ(read_int(v), Scan::ok);
  std::int32_t a[4], b[4];
  double c[4], d[4];
  ASSERT_EQ(read_records_fast(7, a, b, c, d, 4), 2u); // 10 is not below the limit 7
  EXPECT_EQ(c[1], 7.0);
  ASSERT_EQ(read_int(v), Scan::ok);
  EXPECT_EQ(v, 9);
  bind_text("0\n1 2\n-3 +4\n5 0x6\n" + std::string(200, ' '));
  ASSERT_EQ(read_int(v), Scan::ok);
  std::int32_t u[4], w[4];
  ASSERT_EQ(read_int_pairs_fast(u, w, 4), 2u); // "0x6" is 0, then no integer
  EXPECT_EQ(u[1], -3);
  EXPECT_EQ(w[1], 4);
  ASSERT_EQ(read_int(v), Scan::ok);
  EXPECT_EQ(v, 5);
}

} // namespace
