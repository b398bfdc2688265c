// Record lines recognised 64 bytes at a time must agree with the line-by-line
// layout check on every line, canonical or not, and the vector classification with
// the plain one on every byte.
#include <cstdint>
#include <gtest/gtest.h>
#include <random>
#include <string>

#include "setter/validation/layout.h"
#include "setter/validation/record_lines.h"

namespace {

// Whether the layout check finds the record line canonical: as the one record of a
// file, too short for anything but the line-by-line check.
bool canonical_by_lines(const std::string &line) { return instance_layout("2 1 0 0\n" + line + "\n").empty(); }

// The length of line + "\n" when the quick check takes it as the one line of 64
// bytes (filler after it), else 0.
std::size_t quick(const std::string &line, char filler) {
  std::string bytes = line + "\n";
  bytes.resize(64, filler);
  const RecordRun run = canonical_record_lines(bytes.data(), 1);
  return run.lines == 1 && run.bytes == run.last ? run.bytes : 0;
}

// A field near the canonical forms: digits with or without a sign, a point, a
// leading zero, or a stray byte.
std::string near_field(std::mt19937 &random) {
  static const char *const kPieces[] = {"0", "7", "12", "305", "-", "-0", ".", "00", "5", "999", "+", "e", "\t", "x"};
  std::string field;
  const int pieces = 1 + static_cast<int>(random() % 3);
  for (int i = 0; i < pieces; ++i)
    field += kPieces[random() % (random() % 4 == 0 ? 14 : 10)];
  return field;
}

std::string near_line(std::mt19937 &random) {
  std::string line;
  const int fields = random() % 8 == 0 ? static_cast<int>(random() % 6) : 4;
  for (int f = 0; f < fields; ++f) {
    if (f > 0)
      line += random() % 16 == 0 ? "  " : " ";
    line += near_field(random);
  }
  if (random() % 16 == 0)
    line.insert(random() % (line.size() + 1), random() % 2 ? " " : "\r");
  return line;
}

TEST(RecordLines, AgreeWithTheLineByLineCheck) {
  const char *const kLines[] = {
      "1 2 3 0", "1 2 3.0 0.0", "1 2 -0 0", "1 2 3 -0.25", "0 0 0 0", "-5 -7 -0.5 -1", "1 2 12345678 0",
      "1234567 2 1234567.1234567 -1234567.1234567", "01 2 3 0", "1 02 3 0", "1 2 03 0", "1 2 3 00", "-0 2 3 0",
      "1 -0 3 0", "+1 2 3 0", "1 2 +3 0", "1 2 3e0 0", "1 2 0x3 0", "1 2 .5 0", "1 2 5. 0", "1 2 3 0 ",
      " 1 2 3 0", "1  2 3 0", "1 2\t3 0", "1 2 3 0\r", "1 2 3", "1 2 3 0 4", "", "1.5 2 3 0", "1 2.0 3 0",
      "1 2 1.2.3 0", "1 2 3 4.5.6", "1 2 - 0", "1 2 -.5 0", "1-2 3 4 5", "1 2 3 --4", "1 2 3 0.-5"};
  for (const char *line : kLines)
    for (char filler : {' ', '\n', '7', '\0'}) {
      SCOPED_TRACE(std::string(line) + " then '" + filler + "'");
      EXPECT_EQ(quick(line, filler) != 0, canonical_by_lines(line));
    }
  std::mt19937 random(29);
  int canonical = 0;
  for (int i = 0; i < 200000; ++i) {
    const std::string line = near_line(random);
    if (line.size() > 62)
      continue;
    const bool by_lines = canonical_by_lines(line);
    canonical += by_lines;
    ASSERT_EQ(quick(line, static_cast<char>(random())) != 0, by_lines) << "line \"" << line << "\"";
  }
  EXPECT_GT(canonical, 1000); // the generator reaches both sides
}

TEST(RecordLines, TheLengthIsTheLineWithItsNewline) {
  EXPECT_EQ(quick("1 2 3 0", '5'), 8u);
  EXPECT_EQ(quick("12 345 -6.75 0.5", '5'), 17u);
  std::string longest(62, '1'); // a line of 62 bytes and its "\n" fill the 64 bytes but one
  longest[1] = longest[3] = longest[5] = ' ';
  EXPECT_EQ(quick(longest, '\n'), 63u);
  std::string too_long(63, '1'); // no "\n" left within the 64 bytes but the last
  too_long[1] = too_long[3] = too_long[5] = ' ';
  EXPECT_EQ(quick(too_long, '\n'), 64u);
  too_long += "1";
  EXPECT_EQ(canonical_record_lines(too_long.data(), 1).lines, 0u); // its "\n" lies beyond
}

// Several lines in one 64 bytes: as many as are canonical and whole, up to most.
TEST(RecordLines, SeveralLinesAtOnce) {
  const struct {
    std::string bytes;
    std::size_t most, lines, bytes_taken, last;
  } cases[] = {
      {"1 2 3 0\n4 5 6.5 -7\n8 9 10 11\n", 9, 3, 29, 10},
      {"1 2 3 0\n4 5 6.5 -7\n8 9 10 11\n", 2, 2, 19, 11},
      {"1 2 3 0\n4 05 6.5 -7\n8 9 10 11\n", 9, 1, 8, 8},
      {"1 2 3 0\n\n8 9 10 11\n", 9, 1, 8, 8},
      {"1 2 3 0\n4 5 6.5 -7\n8 9 10 1", 9, 2, 19, 11}, // the third line runs past the 64 bytes
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.bytes);
    std::string bytes = c.bytes;
    bytes.resize(64, '1');
    const RecordRun run = canonical_record_lines(bytes.data(), c.most);
    EXPECT_EQ(run.lines, c.lines);
    EXPECT_EQ(run.bytes, c.bytes_taken);
    EXPECT_EQ(run.last, c.last);
  }
  std::string sixteen; // sixteen lines of "1 2 3 0\n" fill 128 bytes: eight are read
  for (int i = 0; i < 16; ++i)
    sixteen += "1 2 3 0\n";
  const RecordRun run = canonical_record_lines(sixteen.data(), 100);
  EXPECT_EQ(run.lines, 8u);
  EXPECT_EQ(run.bytes, 64u);
}

TEST(RecordLines, VectorAndPlainClassesAgree) {
  std::mt19937 random(7);
  char bytes[64];
  for (int round = 0; round < 4 + 2000; ++round) {
    for (int i = 0; i < 64; ++i) // the first rounds walk every byte value
      bytes[i] = static_cast<char>(round < 4 ? round * 64 + i : static_cast<int>(random() % 256));
    const ByteClasses vector = classify_bytes(bytes), plain = classify_bytes_plainly(bytes);
    ASSERT_EQ(vector.digit, plain.digit);
    ASSERT_EQ(vector.zero, plain.zero);
    ASSERT_EQ(vector.space, plain.space);
    ASSERT_EQ(vector.newline, plain.newline);
    ASSERT_EQ(vector.minus, plain.minus);
    ASSERT_EQ(vector.point, plain.point);
  }
}

} // namespace
