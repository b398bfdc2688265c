#include "instance/reader.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

#include "support/files.h"

namespace {

// Reads integers until a read is not ok; the values, then the final status.
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
      {"9223372036854775808", "too_big"},
      {"99999999999999999999", "too_big"},
      {"0000000000000000000000000000042", "42 end"},
      {"-000000000000000000002147483648", "-2147483648 end"},
      {"", "end"},
      {"   \n", "end"},
      {"-", "not_number"},
      {"+-1", "not_number"},
      {"- 5", "not_number"},
      {"1.0", "1 not_number"},
      {"1/0", "1 not_number"},
      {"a", "not_number"},
      {"NaN", "not_number"},
      {"inf", "not_number"},
      {std::string("4\0 5", 4), "4 not_number"},
      {"\x80" "1", "not_number"},
      {"0x10", "0 not_number"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.input);
    EXPECT_EQ(int_trace(c.input), c.trace);
  }
}

TEST(ReadInt, TokensAcrossBufferRefills) {
  // The buffer holds 2^18 bytes: these numbers straddle its boundaries.
  std::string text(262141, ' ');
  text += "12345 ";
  text += std::string(600000, '0') + "7 -";
  text += std::string(300000, '0');
  text += "8";
  EXPECT_EQ(int_trace(text), "12345 7 -8 end");
}

TEST(ReadInt, LongDigitTokenStopsAtOverflow) {
  EXPECT_EQ(int_trace(std::string(10 << 20, '9')), "too_big");
}

TEST(ReadInt, RandomTokensOfEveryLength) {
  std::mt19937_64 rng(5);
  std::vector<std::int32_t> expected;
  std::string text;
  const char *separators[] = {" ", "\n", "\t", "\r\n", "   ", "\v\f"};
  for (int i = 0; i < 200000; ++i) {
    int digits = 1 + static_cast<int>(rng() % 10);
    std::int64_t v = static_cast<std::int64_t>(rng() % 10000000000ULL);
    for (int d = digits; d < 10; ++d)
      v /= 10;
    if (v > 2147483647)
      v %= 2147483647;
    bool negative = rng() % 3 == 0;
    std::string zeros(rng() % 7 == 0 ? rng() % 4 : 0, '0');
    text += (negative ? "-" : rng() % 5 ? "" : "+") + zeros + std::to_string(v);
    text += separators[rng() % 6];
    expected.push_back(static_cast<std::int32_t>(negative ? -v : v));
  }
  bind_text(text);
  std::int32_t v;
  for (std::size_t i = 0; i < expected.size(); ++i) {
    ASSERT_EQ(read_int(v), Scan::ok) << i;
    ASSERT_EQ(v, expected[i]) << i;
  }
  EXPECT_EQ(read_int(v), Scan::end);
}

TEST(ReadInt, UnreadableFile) {
  ASSERT_TRUE(input_bind("/"));
  std::int32_t v;
  EXPECT_EQ(read_int(v), Scan::unreadable);
}

// Every value glibc's fscanf("%lf") yields on text, read after read, and how it stopped.
std::vector<double> scanf_reals(const std::string &text, int &last) {
  std::vector<double> values;
  std::FILE *f = fmemopen(const_cast<char *>(text.data()), text.size(), "r");
  double v;
  while ((last = std::fscanf(f, "%lf", &v)) == 1)
    values.push_back(v);
  std::fclose(f);
  return values;
}

bool same_bits(double a, double b) {
  return (std::isnan(a) && std::isnan(b)) || std::memcmp(&a, &b, sizeof a) == 0;
}

void expect_like_scanf(const std::string &text) {
  SCOPED_TRACE(text.size() < 80 ? text : text.substr(0, 80) + "...");
  int last;
  std::vector<double> expected = scanf_reals(text, last);
  bind_text(text);
  double v;
  Scan s;
  std::size_t i = 0;
  while ((s = read_real(v)) == Scan::ok) {
    ASSERT_LT(i, expected.size()) << "read a value scanf did not";
    EXPECT_TRUE(same_bits(v, expected[i])) << v << " vs " << expected[i] << " at read " << i;
    ++i;
  }
  EXPECT_EQ(i, expected.size());
  EXPECT_EQ(s == Scan::end, last == EOF);
}

TEST(ReadReal, MatchesScanfOnEveryForm) {
  const std::string cases[] = {
      "1.5 -2 +3 .5 5. -0 0", "1e5x", "1e 2", "1e+ 3", "1.5e", "1ee", "1e5.5", "1..2",
      ".", "-.", ".e5", "+", "-", "+-1", "0x", "0x.", "0x.8", "0x1p", "0x1.8p3", "0x1.8",
      "0X1P-2", "0xg", "0xx", "-0x", "0xp3", "0x.p1", "0x1.p", "0x1p+", "0x1pq", "0x-1", "00x1",
      "0x1e", "0x1.8p3.5", "inf", "-inf", "+inf", "infx", "INFINITY", "infinityx", "infinity.",
      "infin", "infinit", "in", "nan", "-nan", "nAn", "nan(abc)", "nanx", "n", "1e-400",
      "1e999", "4e-324", "2e-324", "2.4703282292062327e-324", "2.4703282292062328e-324",
      "1.7976931348623157e308", "1.7976931348623158e308", "1.797693134862315807e308",
      "0x1p-1074", "0x1p-1075", "0x1.8p-1075", "0x1p1024", "0x1.fffffffffffff8p1023",
      "0x0.0000001p-1040", "1e99999999999999999999", "1e-99999999999999999999",
      "0e99999999999", "9007199254740993", "0.1 0.2 0.3 123.456 1e23 8.589973e9",
      "3 4.0 5e0\n6\t7", "\x80", std::string("1\0 2", 4), "", "   ",
  };
  for (const std::string &c : cases)
    expect_like_scanf(c);
}

TEST(ReadReal, LongMantissasRoundLikeStrtod) {
  // 2^53 + 1 is a halfway case: a non-zero digit far away decides its rounding.
  std::string halfway = "9007199254740993";
  std::string cases[] = {
      halfway + std::string(2000, '0'),
      halfway + "." + std::string(2000, '0') + "1",
      halfway + std::string(2000, '0') + "1e-2000",
      "0." + std::string(5000, '0') + "123e5000",
      "1" + std::string(400, '0'),
      std::string(1000, '9') + "e-700",
      "0x1.00000000000008" + std::string(1000, '0') + "1p0",
      "0x1.00000000000008p0",
      "0x" + std::string(400, 'f') + "p-3000",
  };
  for (const std::string &c : cases)
    expect_like_scanf(c);
}

TEST(ReadReal, RandomNumbersMatchStrtod) {
  std::mt19937_64 rng(7);
  std::string text;
  for (int i = 0; i < 20000; ++i) {
    char buf[64];
    double v;
    std::uint64_t bits = rng();
    std::memcpy(&v, &bits, sizeof v);
    if (!std::isfinite(v))
      continue;
    const char *formats[] = {"%.17g", "%.3f", "%.6e", "%.20e", "%a"};
    std::snprintf(buf, sizeof buf, formats[i % 5], i % 5 == 1 ? std::fmod(v, 1e9) : v);
    text += buf;
    text += ' ';
  }
  bind_text(text);
  const char *p = text.c_str();
  double v;
  int n = 0;
  while (read_real(v) == Scan::ok) {
    char *end;
    double expected = std::strtod(p, &end);
    ASSERT_TRUE(same_bits(v, expected)) << std::string(p, static_cast<std::size_t>(end - p));
    p = end;
    ++n;
  }
  EXPECT_GT(n, 15000);
}

} // namespace
