// A line's rules as bit masks over its bytes: no branch per byte or per field.
#include "setter/validation/record_lines.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "memory/bits.h"

ByteClasses classify_bytes_plainly(const char *p) {
  ByteClasses c{};
  for (int i = 0; i < 64; ++i) {
    const std::uint64_t bit = std::uint64_t{1} << i;
    c.digit |= p[i] >= '0' && p[i] <= '9' ? bit : 0;
    c.zero |= p[i] == '0' ? bit : 0;
    c.space |= p[i] == ' ' ? bit : 0;
    c.newline |= p[i] == '\n' ? bit : 0;
    c.minus |= p[i] == '-' ? bit : 0;
    c.point |= p[i] == '.' ? bit : 0;
  }
  return c;
}

namespace record_lines_internal {

// classify_bytes(), inlined where a line is checked: a call would return the six
// masks through memory.
[[gnu::always_inline]] inline ByteClasses classify(const char *p) {
#if defined(__SSE2__)
  ByteClasses c{};
  const auto bits = [](__m128i equal, int at) {
    return static_cast<std::uint64_t>(static_cast<std::uint32_t>(_mm_movemask_epi8(equal))) << at;
  };
#pragma GCC unroll 4
  for (int at = 0; at < 64; at += 16) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p + at));
    const __m128i above_zero = _mm_sub_epi8(v, _mm_set1_epi8('0'));
    c.digit |= bits(_mm_cmpeq_epi8(_mm_min_epu8(above_zero, _mm_set1_epi8(9)), above_zero), at);
    c.zero |= bits(_mm_cmpeq_epi8(v, _mm_set1_epi8('0')), at);
    c.space |= bits(_mm_cmpeq_epi8(v, _mm_set1_epi8(' ')), at);
    c.newline |= bits(_mm_cmpeq_epi8(v, _mm_set1_epi8('\n')), at);
    c.minus |= bits(_mm_cmpeq_epi8(v, _mm_set1_epi8('-')), at);
    c.point |= bits(_mm_cmpeq_epi8(v, _mm_set1_epi8('.')), at);
  }
  return c;
#else
  return classify_bytes_plainly(p);
#endif
}

} // namespace record_lines_internal

ByteClasses classify_bytes(const char *p) { return record_lines_internal::classify(p); }

namespace record_lines_internal {

// The length, with its "\n", of the canonical record line that the masks c start
// with, or 0 when they start none.
[[gnu::always_inline]] inline std::size_t record_line(const ByteClasses &c) {
  if (c.newline == 0)
    return 0;
  const int end = bitops::trailing_zeros(c.newline); // the line is bytes 0..end-1
  const std::uint64_t line = (std::uint64_t{1} << end) - 1;
  const std::uint64_t separator = c.space | c.newline, minus = c.minus & line, point = c.point & line;
  // Digits, spaces, '-' and '.' only; no separator first, none after another (so
  // none last either, nor a blank line).
  bool sound = ((c.digit | c.space | c.minus | c.point) & line) == line &&
               (separator & (separator << 1 | 1) & (line | (line + 1))) == 0;
  // Exactly three spaces: four fields.
  const std::uint64_t spaces = c.space & line, after_first = spaces & (spaces - 1),
                      after_second = after_first & (after_first - 1);
  sound = sound && after_second != 0 && (after_second & (after_second - 1)) == 0;
  if (!sound)
    return 0;
  const std::uint64_t integers = (std::uint64_t{1} << bitops::trailing_zeros(after_first)) - 1; // es and et
  const std::uint64_t third = (std::uint64_t{1} << bitops::trailing_zeros(after_second)) - 1;    // up to er
  const std::uint64_t starts = (1 | c.space << 1) & line;
  const std::uint64_t number_starts = (starts & ~minus) | minus << 1;
  const std::uint64_t ec_points = point & third, er_points = point & ~third;
  // '-' only first and before a digit; a point between digits, none in an integer,
  // at most one in a real; no leading zero; no integer "-0".
  const bool fields = (minus & ~starts) == 0 && (minus << 1 & ~c.digit) == 0 && (point & integers) == 0 &&
                      (point & ~(c.digit << 1)) == 0 && (point << 1 & ~c.digit) == 0 &&
                      (ec_points & (ec_points - 1)) == 0 && (er_points & (er_points - 1)) == 0 &&
                      ((c.zero & number_starts) << 1 & c.digit) == 0 &&
                      (minus & c.zero >> 1 & separator >> 2 & integers) == 0;
  return fields ? static_cast<std::size_t>(end) + 1 : 0;
}

// The masks of the bytes after the first n (1..63); those past the 64 read none.
ByteClasses drop(const ByteClasses &c, std::size_t n) {
  return {c.digit >> n, c.zero >> n, c.space >> n, c.newline >> n, c.minus >> n, c.point >> n};
}

} // namespace record_lines_internal

RecordRun canonical_record_lines(const char *p, std::size_t most) {
  using namespace record_lines_internal;
  ByteClasses c = classify(p);
  RecordRun run{0, 0, 0};
  while (run.lines < most) {
    const std::size_t length = record_line(c);
    if (length == 0)
      break;
    ++run.lines;
    run.bytes += length;
    run.last = length;
    if (run.bytes == 64)
      break;
    c = drop(c, length);
  }
  return run;
}
