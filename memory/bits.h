// Bit operations on 64-bit words, and a word's byte order, written so that a
// C++17 compiler has them too: judges compile the single files as gnu++17.
#pragma once
#include <cstdint>
#include <cstring>

namespace bitops {

// Whether the machine stores a word's most significant byte first.
#if defined(__BYTE_ORDER__) && defined(__ORDER_BIG_ENDIAN__) && __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
inline constexpr bool kBigEndian = true;
#else
inline constexpr bool kBigEndian = false;
#endif

// The number of bits needed to write v: 0 for 0, else one more than the index of its highest set bit.
inline int width(std::uint64_t v) { return v == 0 ? 0 : 64 - __builtin_clzll(v); }

// The number of zero bits below v's lowest set bit; 64 for 0.
inline int trailing_zeros(std::uint64_t v) { return v == 0 ? 64 : __builtin_ctzll(v); }

// The bits of d, as a word.
inline std::uint64_t of_double(double d) {
  std::uint64_t v;
  std::memcpy(&v, &d, sizeof v);
  return v;
}

// The double whose bits are v.
inline double to_double(std::uint64_t v) {
  double d;
  std::memcpy(&d, &v, sizeof d);
  return d;
}

} // namespace bitops
