// The generator's own random numbers: the same stream from the same seed on every
// platform and compiler, unlike the standard library's distributions.
#pragma once
#include <cstdint>
#include <string_view>
#include <vector>

struct Random {
  std::uint64_t state;
};

// A stream seeded from text (FNV-1a of its bytes).
Random random_from(std::string_view text);

// The next 64 random bits (splitmix64).
std::uint64_t next_bits(Random &r);

// A whole number uniform in low..high (low <= high), by rejection: no modulo bias.
std::int64_t uniform(Random &r, std::int64_t low, std::int64_t high);

// Puts the elements of v in a uniformly random order (Fisher-Yates).
template <class T> void shuffle(Random &r, std::vector<T> &v) {
  for (std::size_t i = v.size(); i > 1; --i) {
    const std::size_t j = static_cast<std::size_t>(uniform(r, 0, static_cast<std::int64_t>(i) - 1));
    std::swap(v[i - 1], v[j]);
  }
}
