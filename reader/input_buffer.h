// The reader's buffer over standard input, shared by the integer and the real
// conversions; not part of the instance subsystem's interface.
#pragma once
#include <cstddef>
#include <cstdint>
#include <bit>
#include <cstdio>
#include <cstring>

#include "reader/reader.h"

namespace input {

inline constexpr std::size_t kBufferSize = 1 << 18;
extern char buffer[kBufferSize];
extern std::size_t pos, len; // next byte, bytes held
extern bool read_failed;     // the file could not be read to its end
extern std::FILE *source;    // the bound file
extern std::uint64_t before; // bytes of the file before buffer[0]
extern std::uint64_t token;  // offset in the file of the last read's token

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

// The number of leading decimal digits among the 8 bytes of v (first byte lowest),
// 8 when all are digits. Bytes after the first non-digit may be garbled by the
// carries, but never the ones before it.
inline int leading_digits(std::uint64_t v) {
  const std::uint64_t t =
      ((v & 0xF0F0F0F0F0F0F0F0) | (((v + 0x0606060606060606) & 0xF0F0F0F0F0F0F0F0) >> 4)) ^
      0x3333333333333333; // zero bytes are digits
  const std::uint64_t nonzero =
      (((t & 0x7F7F7F7F7F7F7F7F) + 0x7F7F7F7F7F7F7F7F) | t) & 0x8080808080808080;
  return nonzero ? std::countr_zero(nonzero) / 8 : 8;
}

// The value of the first n (1..8) digit bytes of v, without a loop.
inline std::uint32_t digits_value(std::uint64_t v, int n) {
  std::uint64_t x = (v - 0x3030303030303030) << (8 * (8 - n)); // leading zeros
  x = x * 10 + (x >> 8);
  x = (((x & 0x000000FF000000FF) * (100 + (1000000ULL << 32))) +
       (((x >> 16) & 0x000000FF000000FF) * (1 + (10000ULL << 32)))) >>
      32;
  return static_cast<std::uint32_t>(x);
}


// An integer of at most 7 digits after an optional sign, with p moved past it;
// false, with nothing changed, for any other token.
[[gnu::always_inline]] inline bool short_int(const char *&p, std::int32_t &value) {
  if constexpr (std::endian::native != std::endian::little)
    return false;
  const bool negative = *p == '-';
  const char *q = p + (*p == '-' || *p == '+');
  std::uint64_t v;
  std::memcpy(&v, q, sizeof v);
  const int n = leading_digits(v);
  if (n == 0 || n == 8)
    return false;
  const std::int32_t magnitude = static_cast<std::int32_t>(digits_value(v, n));
  value = negative ? -magnitude : magnitude;
  p = q + n;
  return true;
}

// The digits of a mantissa of at most 7 digits before the point and 7 after it,
// eight bytes at a time: m, the digit count and the scale, with p moved past them.
// False, with nothing changed, for a longer one.
[[gnu::always_inline]] inline bool short_decimal(const char *&p, std::uint64_t &m, int &digits, int &scale) {
  static constexpr std::uint32_t kTens[] = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000};
  if constexpr (std::endian::native != std::endian::little)
    return false;
  std::uint64_t v;
  std::memcpy(&v, p, sizeof v);
  const int whole = leading_digits(v);
  if (whole == 8)
    return false;
  std::uint64_t value = whole ? digits_value(v, whole) : 0;
  const char *q = p + whole;
  int fraction = 0;
  if (*q == '.') {
    std::memcpy(&v, q + 1, sizeof v);
    fraction = leading_digits(v);
    if (fraction == 8)
      return false;
    if (fraction)
      value = value * kTens[fraction] + digits_value(v, fraction);
    q += 1 + fraction;
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
