// Runs of whole records at once: the short forms that nearly every file holds,
// read with one pointer and no calls; anything else is left to the token-by-token
// readers.
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

// Takes what a run read: the buffer up to p, the last token starting at last.
void consume(const char *p, const char *last) {
  token = before + static_cast<std::uint64_t>(last - buffer);
  pos = static_cast<std::size_t>(p - buffer);
}

} // namespace

std::size_t read_records_fast(std::int32_t limit, std::int32_t *a, std::int32_t *b, double *c, double *d,
                              std::size_t count) {
  const char *p = buffer + pos, *end = fast_end(), *last = nullptr;
  std::size_t n = 0;
  for (; end && n < count; ++n) {
    const char *q = p;
    std::int32_t x, y;
    double r, s;
    if (!next_token(q, end) || !short_integer(q, x) || x < 0 || x >= limit || !next_token(q, end) ||
        !short_integer(q, y) || y < 0 || y >= limit || !next_token(q, end) || !short_real(q, r) ||
        !next_token(q, end))
      break;
    const char *fourth = q;
    if (!short_real(q, s))
      break;
    a[n] = x, b[n] = y, c[n] = r, d[n] = s;
    last = fourth;
    p = q;
  }
  if (n > 0)
    consume(p, last);
  return n;
}

std::size_t read_int_pairs_fast(std::int32_t *a, std::int32_t *b, std::size_t count) {
  const char *p = buffer + pos, *end = fast_end(), *last = nullptr;
  std::size_t n = 0;
  for (; end && n < count; ++n) {
    const char *q = p;
    std::int32_t x, y;
    if (!next_token(q, end) || !short_integer(q, x) || !next_token(q, end))
      break;
    const char *second = q;
    if (!short_integer(q, y))
      break;
    a[n] = x, b[n] = y;
    last = second;
    p = q;
  }
  if (n > 0)
    consume(p, last);
  return n;
}
