// splitmix64 and an unbiased mapping onto ranges, written out in full so that no
// library's choice changes the bytes a seed gives.
#include "setter/families/random.h"

Random random_from(std::string_view text) {
  std::uint64_t h = 14695981039346656037ull;
  for (unsigned char c : text)
    h = (h ^ c) * 1099511628211ull;
  return {h};
}

std::uint64_t next_bits(Random &r) {
  std::uint64_t z = (r.state += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

std::int64_t uniform(Random &r, std::int64_t low, std::int64_t high) {
  const std::uint64_t span = static_cast<std::uint64_t>(high) - static_cast<std::uint64_t>(low) + 1;
  if (span == 0) // the whole 64-bit range
    return static_cast<std::int64_t>(next_bits(r));
  const std::uint64_t reject_below = (0 - span) % span; // 2^64 mod span
  std::uint64_t bits;
  do
    bits = next_bits(r);
  while (bits < reject_below);
  return static_cast<std::int64_t>(static_cast<std::uint64_t>(low) + bits % span);
}
