// Whole records at once: the short forms that nearly every file holds, read with
// one pointer and no calls; anything else is left to the token-by-token readers.
#include "reader/input_buffer.h"

using namespace input;

namespace {

// Skips white space; false unless a token starts where kFastReach bytes can be read.
[[gnu::always_inline]] inline bool next_token(const char *&p, const char *end) {
  while (p < end && is_space(static_cast<unsigned char>(*p)))
    ++p;
  return p < end;
}

// A short integer followed by white space, as "%d" would read it.
[[gnu::always_inline]] inline bool short_integer(const char *&p, std::int32_t &value) {
  return short_int(p, value) && is_space(static_cast<unsigned char>(*p));
}

// A short plain decimal followed by white space, as "%lf" would read it: no
// exponent, no hexadecimal, no inf or nan.
[[gnu::always_inline]] inline bool short_real(const char *&p, double &value) {
  const bool negative = *p == '-';
  const char *q = p + negative;
  std::uint64_t m;
  int digits, scale;
  if (!short_decimal(q, m, digits, scale) || digits == 0 || !is_space(static_cast<unsigned char>(*q)))
    return false;
  const double v = scaled(m, scale);
  value = negative ? -v : v;
  p = q;
  return true;
}

// Where token-start pointers must stay for kFastReach bytes to be readable; null
// when the buffer holds too little.
const char *fast_end() { return len - pos > 2 * kFastReach ? buffer + len - kFastReach : nullptr; }

} // namespace

bool read_ints_reals_fast(std::int32_t limit, std::int32_t &a, std::int32_t &b, double &c, double &d) {
  const char *p = buffer + pos, *end = fast_end();
  std::int32_t x, y;
  double r, s;
  if (!end || !next_token(p, end) || !short_integer(p, x) || x < 0 || x >= limit || !next_token(p, end) ||
      !short_integer(p, y) || y < 0 || y >= limit || !next_token(p, end) || !short_real(p, r) ||
      !next_token(p, end))
    return false;
  const char *last = p;
  if (!short_real(p, s))
    return false;
  a = x, b = y, c = r, d = s;
  token = before + static_cast<std::uint64_t>(last - buffer);
  pos = static_cast<std::size_t>(p - buffer);
  return true;
}

bool read_two_ints_fast(std::int32_t &a, std::int32_t &b) {
  const char *p = buffer + pos, *end = fast_end();
  std::int32_t x, y;
  if (!end || !next_token(p, end) || !short_integer(p, x) || !next_token(p, end))
    return false;
  const char *last = p;
  if (!short_integer(p, y))
    return false;
  a = x, b = y;
  token = before + static_cast<std::uint64_t>(last - buffer);
  pos = static_cast<std::size_t>(p - buffer);
  return true;
}
