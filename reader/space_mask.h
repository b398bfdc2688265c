// Which of 64 bytes are white space (as the reader skips it), in a few steps.
#pragma once
#include <cstddef>
#include <cstdint>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// The bytes space_mask() classifies at once.
inline constexpr std::size_t kSpaceMaskBytes = 64;

// Bit i set when p[i] is white space (' ', or '\t' to '\r'), for i in 0..63.
inline std::uint64_t space_mask(const char *p) {
#if defined(__SSE2__)
  std::uint64_t mask = 0;
#pragma GCC unroll 4
  for (std::size_t i = 0; i < kSpaceMaskBytes / 16; ++i) {
    const __m128i c = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p + 16 * i));
    const __m128i shifted = _mm_sub_epi8(c, _mm_set1_epi8('\t'));
    const __m128i control = _mm_cmpeq_epi8(_mm_min_epu8(shifted, _mm_set1_epi8('\r' - '\t')), shifted);
    const __m128i blank = _mm_cmpeq_epi8(c, _mm_set1_epi8(' '));
    const auto bits = static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_or_si128(control, blank)));
    mask |= static_cast<std::uint64_t>(bits) << (16 * i);
  }
  return mask;
#else
  std::uint64_t mask = 0;
  for (std::size_t i = 0; i < kSpaceMaskBytes; ++i) {
    const char c = p[i];
    mask |= static_cast<std::uint64_t>(c == ' ' || (c >= '\t' && c <= '\r')) << i;
  }
  return mask;
#endif
}
