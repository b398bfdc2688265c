// Eight bytes at a time: where a run of ASCII digits ends and what it is worth,
// with no branch per digit (a digit loop mispredicts its exit about once per
// token, and tokens vary in length).
#pragma once
#include <cstdint>
#include <cstring>

#include "memory/bits.h"

namespace swar {

// The eight bytes at p, the first in the lowest byte.
[[gnu::always_inline]] inline std::uint64_t eight_bytes(const char *p) {
  std::uint64_t v;
  std::memcpy(&v, p, sizeof v);
  if constexpr (bitops::kBigEndian)
    v = __builtin_bswap64(v);
  return v;
}

// How many of the eight bytes in v, from the first, are ASCII digits (8: all).
// Carries and borrows only run towards later bytes, so the first byte flagged is
// the first that is not a digit.
[[gnu::always_inline]] inline int leading_digits(std::uint64_t v) {
  const std::uint64_t flagged = ((v + 0x4646464646464646) | (v - 0x3030303030303030)) & 0x8080808080808080;
  return flagged == 0 ? 8 : bitops::trailing_zeros(flagged) >> 3;
}

// The value of the first count (1..7) bytes of v, all digits.
[[gnu::always_inline]] inline std::uint32_t digits_value(std::uint64_t v, int count) {
  std::uint64_t d = (v - 0x3030303030303030) << (8 * (8 - count)); // leading zeros fill in
  d = d * 10 + (d >> 8);
  d = ((d & 0x000000FF000000FF) * (100 + (1000000ull << 32)) +
       ((d >> 16) & 0x000000FF000000FF) * (1 + (10000ull << 32))) >> 32;
  return static_cast<std::uint32_t>(d);
}

} // namespace swar
