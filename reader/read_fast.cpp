// Runs of whole records at once: the short forms that nearly every file holds.
// A stretch of the buffer is first classified 64 bytes at a time into where
// tokens start and end, with no branch per byte or per token; each token is then
// converted eight bytes at a time, depending on nothing converted before it, so
// that conversions overlap. Anything else is left to the token-by-token readers.
#include <algorithm>

#include "reader/input_buffer.h"
#include "reader/space_mask.h"
#include "reader/swar.h"

namespace read_fast_internal {

using namespace input;

// A stretch is classified in blocks of 64 bytes, at most kStretch bytes at a time;
// a conversion reads at most kOverread bytes past where its token starts.
constexpr std::size_t kBlock = kSpaceMaskBytes, kStretch = 4096, kOverread = 18;


// The set bits of mask, in a few steps: baseline x86-64 has no population count
// instruction, and std::popcount becomes a library call there.
[[gnu::always_inline]] inline std::uint32_t bits_set(std::uint64_t mask) {
  mask -= (mask >> 1) & 0x5555555555555555;
  mask = (mask & 0x3333333333333333) + ((mask >> 2) & 0x3333333333333333);
  mask = (mask + (mask >> 4)) & 0x0F0F0F0F0F0F0F0F;
  return static_cast<std::uint32_t>((mask * 0x0101010101010101) >> 56);
}

// Appends base + the position of every set bit of mask to out, in order, and
// returns how many. Writes twelve places at once (a block of records or plan lines
// seldom holds more tokens, so whether to write more is a branch that rarely
// changes its way; sixteen wrote more for nothing), so out needs 11 spare places.
[[gnu::always_inline]] inline std::uint32_t flatten(std::uint32_t base, std::uint64_t mask, std::uint32_t *out) {
  const std::uint32_t count = bits_set(mask);
  std::uint32_t done = 0;
  do {
#pragma GCC unroll 12
    for (std::uint32_t i = 0; i < 12; ++i) {
      out[done + i] = base + static_cast<std::uint32_t>(bitops::trailing_zeros(mask | (std::uint64_t{1} << 63)));
      mask &= mask - 1;
    }
    done += 12;
  } while (done < count);
  return count;
}

// Token starts and ends (the white space just after each) in a stretch, as
// offsets from its first byte, which counts as following white space.
constexpr std::size_t kMostMarks = kStretch + 16;
std::uint32_t stretch_starts[kMostMarks], stretch_ends[kMostMarks];

// Classifies size bytes (a multiple of kBlock) from p; returns how many tokens
// end within them (their starts are in stretch_starts, their ends in stretch_ends).
std::uint32_t find_tokens(const char *p, std::size_t size) {
  std::uint32_t starts = 0, ends = 0;
  std::uint64_t space_before = 1; // the byte before p, taken as white space
  for (std::size_t at = 0; at < size; at += kBlock) {
    const std::uint64_t space = space_mask(p + at);
    const std::uint64_t previous = space << 1 | space_before;
    const auto base = static_cast<std::uint32_t>(at);
    starts += flatten(base, ~space & previous, stretch_starts + starts);
    ends += flatten(base, space & ~previous, stretch_ends + ends);
    space_before = space >> 63;
  }
  return ends;
}

// The token p[0..length) as "%d" reads it, when it is an optional sign and 1 to 7
// digits.
[[gnu::always_inline]] inline bool short_integer(const char *p, int length, std::int32_t &value) {
  std::uint64_t v = swar::eight_bytes(p);
  const bool sign = *p == '-' || *p == '+';
  v >>= 8 * sign; // a zero byte comes in at the top: not a digit
  const int count = length - sign;
  if (count < 1 || count > 7 || swar::leading_digits(v) != count)
    return false;
  const auto magnitude = static_cast<std::int32_t>(swar::digits_value(v, count));
  value = *p == '-' ? -magnitude : magnitude;
  return true;
}

// The token p[0..length) as "%lf" reads it, when it is a plain decimal: an optional
// '-', at most 7 digits, then optionally a point and at most 7 digits, at least one
// digit in all; no exponent, hexadecimal, inf or nan.
[[gnu::always_inline]] inline bool short_real(const char *p, int length, double &value) {
  const bool negative = *p == '-';
  const int chars = length - negative; // after the sign
  std::uint64_t m;
  int fraction;
  if (length <= 8) { // one load: the point, if any, is taken out of the eight bytes
    const std::uint64_t v = swar::eight_bytes(p) >> (8 * negative);
    const std::uint64_t dots = v ^ 0x2E2E2E2E2E2E2E2E; // a zero byte where v has '.'
    const std::uint64_t found = (dots - 0x0101010101010101) & ~dots & 0x8080808080808080;
    const int point = found == 0 ? 8 : bitops::trailing_zeros(found) >> 3; // the first is exact
    const bool has_point = point < chars;
    const std::uint64_t below = point >= 8 ? ~std::uint64_t{0} : (std::uint64_t{1} << (8 * point)) - 1;
    const std::uint64_t digits = has_point ? (v & below) | ((v >> 8) & ~below) : v;
    const int count = chars - has_point;
    if (count < 1 || count > 7 || swar::leading_digits(digits) != count)
      return false;
    m = swar::digits_value(digits, count);
    fraction = has_point ? count - point : 0;
  } else {
    static constexpr std::uint32_t kTens[] = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000};
    const char *q = p + negative;
    const std::uint64_t w = swar::eight_bytes(q);
    const int whole = swar::leading_digits(w);
    if (whole == 8 || q[whole] != '.')
      return false;
    const std::uint64_t f = swar::eight_bytes(q + whole + 1);
    fraction = chars - whole - 1;
    if (fraction > 7 || swar::leading_digits(f) != fraction)
      return false;
    // No digit after the point ("-1234567."): none to add, and digits_value()
    // takes one digit at least.
    m = (whole == 0 ? 0 : swar::digits_value(w, whole)) * std::uint64_t{kTens[fraction]} +
        (fraction == 0 ? 0 : swar::digits_value(f, fraction));
  }
  const double v = scaled(m, -fraction);
  value = negative ? -v : v;
  return true;
}

// How many bytes from the buffer's next one can be classified as one stretch, with
// room for the conversions' reads past it: 0 when too few.
std::size_t stretch_size() {
  const std::size_t held = len - pos;
  if (held < kBlock + kOverread)
    return 0;
  return std::min(kStretch, (held - kOverread) / kBlock * kBlock);
}

// The stretch classified last: where it starts in the buffer, the generation of
// the buffer's contents, how many tokens it holds and the first not yet taken. A
// run that starts where the last one stopped takes up from there.
struct Stretch {
  std::size_t base = 0;
  std::uint64_t generation = ~std::uint64_t{0};
  std::uint32_t tokens = 0, next = 0;
} stretch;

bool resumable() {
  return stretch.generation == generation &&
         pos == stretch.base + (stretch.next == 0 ? 0 : stretch_ends[stretch.next - 1]);
}

// Reads whole records of `fields` tokens from the buffer, as many as convert takes
// (up to count), stretch by stretch; convert(n, p, start, end) converts record n,
// whose tokens start at p + start[0], p + start[1], ..., with lengths end - start.
template <int fields, typename Convert>
std::size_t read_runs(std::size_t count, Convert convert) {
  std::size_t n = 0;
  while (n < count) {
    const bool fresh = !resumable();
    if (fresh) {
      const std::size_t size = stretch_size();
      if (size == 0)
        break;
      stretch = {pos, generation, find_tokens(buffer + pos, size), 0};
    }
    const char *p = buffer + stretch.base;
    std::uint32_t t = stretch.next;
    bool stopped = false; // at a record that is not in short form
    for (; t + fields <= stretch.tokens && n < count; t += fields, ++n)
      if (!convert(n, p, stretch_starts + t, stretch_ends + t)) {
        stopped = true;
        break;
      }
    const bool took = t > stretch.next;
    if (took) {
      token = before + stretch.base + stretch_starts[t - 1];
      pos = stretch.base + stretch_ends[t - 1];
      stretch.next = t;
    }
    if (stopped || (fresh && !took))
      break;
    if (n < count) // the stretch is spent: the next one starts where it stopped
      stretch.generation = ~std::uint64_t{0};
  }
  return n;
}

} // namespace read_fast_internal

std::size_t read_records_fast(std::int32_t limit, std::int32_t *a, std::int32_t *b, double *c, double *d,
                              std::size_t count) {
  using namespace read_fast_internal;
  return read_runs<4>(count, [=](std::size_t n, const char *p, const std::uint32_t *start, const std::uint32_t *end) {
    const auto length = [&](int i) { return static_cast<int>(end[i] - start[i]); };
    std::int32_t x, y;
    double r, s;
    if (!short_integer(p + start[0], length(0), x) || !short_integer(p + start[1], length(1), y) ||
        !short_real(p + start[2], length(2), r) || !short_real(p + start[3], length(3), s) || x < 0 ||
        x >= limit || y < 0 || y >= limit)
      return false;
    a[n] = x, b[n] = y, c[n] = r, d[n] = s;
    return true;
  });
}

std::size_t read_int_pairs_fast(std::int32_t *a, std::int32_t *b, std::size_t count) {
  using namespace read_fast_internal;
  return read_runs<2>(count, [=](std::size_t n, const char *p, const std::uint32_t *start, const std::uint32_t *end) {
    std::int32_t x, y;
    if (!short_integer(p + start[0], static_cast<int>(end[0] - start[0]), x) ||
        !short_integer(p + start[1], static_cast<int>(end[1] - start[1]), y))
      return false;
    a[n] = x, b[n] = y;
    return true;
  });
}
