// "%d": decimal integers with a sign, overflow beyond 32 bits reported.
#include <bit>
#include <cstdint>
#include <cstring>

#include "reader/input_buffer.h"

using namespace input;

namespace {

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

// A decimal integer of at most 7 digits; false (nothing consumed) for any other
// token, which the general path then reads.
bool fast_int(std::int32_t &value) {
  if constexpr (std::endian::native != std::endian::little)
    return false;
  const char *p = buffer + pos;
  const bool negative = *p == '-';
  p += *p == '-' || *p == '+';
  std::uint64_t v;
  std::memcpy(&v, p, sizeof v);
  const int n = leading_digits(v);
  if (n == 0 || n == 8)
    return false;
  const std::int32_t magnitude = static_cast<std::int32_t>(digits_value(v, n));
  value = negative ? -magnitude : magnitude;
  pos = static_cast<std::size_t>(p + n - buffer);
  return true;
}

} // namespace

Scan read_int(std::int32_t &value) {
  if (Scan s = skip_space(); s != Scan::ok)
    return s;
  if (fast_reach() && fast_int(value))
    return Scan::ok;
  const bool negative = take_sign();
  int c = peek();
  if (!is_digit(c))
    return no_number(c);
  const std::uint32_t limit = negative ? 2147483648u : 2147483647u;
  std::uint32_t magnitude = 0;
  do {
    std::uint32_t digit = static_cast<std::uint32_t>(c - '0');
    if (magnitude > (limit - digit) / 10)
      return Scan::too_big;
    magnitude = magnitude * 10 + digit;
    ++pos;
  } while (is_digit(c = peek()));
  value =
      negative ? static_cast<std::int32_t>(0u - magnitude) : static_cast<std::int32_t>(magnitude);
  return Scan::ok;
}
