// The reader's buffer over the bound file, shared by the integer and the real
// conversions; not part of the instance subsystem's interface.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "reader/reader.h"

namespace input {

inline constexpr std::size_t kBufferSize = 1 << 18;
extern char buffer[kBufferSize];
extern std::size_t pos, len; // next byte, bytes held
extern bool read_failed;     // the file could not be read to its end
extern std::FILE *source;    // the bound file
extern std::uint64_t before; // bytes of the file before buffer[0]
extern std::uint64_t token;  // offset in the file of the last read's token
extern std::uint64_t generation; // changes whenever buffer is filled anew or rebound

// Reads the next block; false at the end of the file.
bool refill();

// The next byte, or -1 at the end of the file.
inline int peek() {
  if (pos == len && !refill())
    return -1;
  return static_cast<unsigned char>(buffer[pos]);
}

inline bool is_space(int c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

inline bool is_digit(int c) { return c >= '0' && c <= '9'; }

inline int lower(int c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; }

// What a read met where it expected a number: garbage, or the end (a read error).
inline Scan no_number(int c) { return c < 0 && read_failed ? Scan::unreadable : Scan::not_number; }

// Skips white space; ok when a byte follows, else end (or unreadable).
Scan skip_space();

// Consumes an optional sign; true when it is '-'.
inline bool take_sign() {
  const int c = peek();
  if (c != '+' && c != '-')
    return false;
  ++pos;
  return c == '-';
}

// Short tokens far from the buffer's end are read straight from memory; anything
// else (long digit runs, hex, inf, nan, a token near the end) takes the general
// byte-at-a-time path, which the fast paths leave untouched when they give up.
inline constexpr std::size_t kFastReach = 64;

inline bool fast_reach() { return len - pos >= kFastReach; }

// Short tokens are read here with plain digit loops: where the next token's start
// waits on this one's end, a loop whose exit is guessed ahead beat eight-bytes-at-
// a-time arithmetic on the machines measured. The runs of read_fast.cpp, which
// know every token's bounds beforehand, convert eight bytes at a time instead.

// An integer of at most 7 digits after an optional sign, with p moved past it;
// false, with nothing changed, for any other token.
[[gnu::always_inline]] inline bool short_int(const char *&p, std::int32_t &value) {
  const bool negative = *p == '-';
  const char *q = p + (*p == '-' || *p == '+'), *first = q;
  std::int32_t magnitude = 0;
  while (is_digit(*q) && q - first < 8)
    magnitude = magnitude * 10 + (*q++ - '0');
  if (q == first || q - first == 8)
    return false;
  value = negative ? -magnitude : magnitude;
  p = q;
  return true;
}

// The digits of a mantissa of at most 7 digits before the point and 7 after it:
// m, the digit count and the scale, with p moved past them. False, with nothing
// changed, for a longer one.
[[gnu::always_inline]] inline bool short_decimal(const char *&p, std::uint64_t &m, int &digits, int &scale) {
  const char *q = p, *first = q;
  std::uint64_t value = 0;
  while (is_digit(*q) && q - first < 8)
    value = value * 10 + static_cast<unsigned>(*q++ - '0');
  const int whole = static_cast<int>(q - first);
  int fraction = 0;
  if (whole == 8)
    return false;
  if (*q == '.') {
    const char *after = ++q;
    while (is_digit(*q) && q - after < 8)
      value = value * 10 + static_cast<unsigned>(*q++ - '0');
    fraction = static_cast<int>(q - after);
    if (fraction == 8)
      return false;
  }
  m = value;
  digits = whole + fraction;
  scale = -fraction;
  p = q;
  return true;
}

// m·10^scale for m <= 2^53 and |scale| <= 22: one correctly rounded operation on
// exact operands, so the result is strtod's.
inline double scaled(std::uint64_t m, int scale) {
  static constexpr double kPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                       1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                       1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
  const double mantissa = static_cast<double>(m);
  return scale < 0 ? mantissa / kPowers[-scale] : mantissa * kPowers[scale];
}

} // namespace input
