// Streaming reader: "%d" and "%lf" over a fixed buffer.
#include "instance/reader.h"

#include <bit>
#include <charconv>
#include <cstring>
#include <cmath>
#include <cstdio>
#include <limits>

namespace {

constexpr std::size_t kBufferSize = 1 << 18;
char buffer[kBufferSize];
std::size_t pos = 0, len = 0;
bool at_eof = false, read_failed = false;

bool refill() {
  if (at_eof)
    return false;
  pos = 0;
  len = std::fread(buffer, 1, kBufferSize, stdin);
  if (len == 0) {
    at_eof = true;
    read_failed = std::ferror(stdin) != 0;
    return false;
  }
  return true;
}

// The next byte, or -1 at the end of the file.
inline int peek() {
  if (pos == len && !refill())
    return -1;
  return static_cast<unsigned char>(buffer[pos]);
}

inline bool is_space(int c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

inline bool is_digit(int c) { return c >= '0' && c <= '9'; }

int hex_value(int c) {
  if (is_digit(c))
    return c - '0';
  if (c >= 'a' && c <= 'f')
    return c - 'a' + 10;
  if (c >= 'A' && c <= 'F')
    return c - 'A' + 10;
  return -1;
}

inline int lower(int c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; }

// What the read met where it expected a number: the end, garbage or a read error.
Scan no_number(int c) {
  if (c >= 0)
    return Scan::not_number;
  return read_failed ? Scan::unreadable : Scan::not_number;
}

Scan skip_space() {
  for (;;) {
    const char *p = buffer + pos, *end = buffer + len;
    while (p < end && is_space(static_cast<unsigned char>(*p)))
      ++p;
    pos = static_cast<std::size_t>(p - buffer);
    if (p < end)
      return Scan::ok;
    if (!refill())
      return read_failed ? Scan::unreadable : Scan::end;
  }
}

// Short tokens far from the buffer's end are read straight from memory; anything
// else (long digit runs, hex, inf, nan, a token near the end) takes the general
// byte-at-a-time path, which the fast paths leave untouched when they give up.
constexpr std::size_t kFastReach = 64;

inline bool fast_reach() { return len - pos >= kFastReach; }

// The number of leading decimal digits among the 8 bytes of v (first byte lowest),
// 8 when all are digits. Bytes after the first non-digit may be garbled by the
// carries, but never the ones before it.
inline int leading_digits(std::uint64_t v) {
  const std::uint64_t t = ((v & 0xF0F0F0F0F0F0F0F0) |
                           (((v + 0x0606060606060606) & 0xF0F0F0F0F0F0F0F0) >> 4)) ^
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
       (((x >> 16) & 0x000000FF000000FF) * (1 + (10000ULL << 32)))) >> 32;
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

// A decimal of at most 19 digits whose value is exactly m·10^e with m <= 2^53 and
// |e| <= 22: one correctly rounded operation on exact operands gives strtod's
// result. False (nothing consumed) for any other token.
bool fast_real(double &value) {
  static constexpr double kPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                       1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                       1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
  const char *p = buffer + pos;
  const bool negative = *p == '-';
  p += *p == '-' || *p == '+';
  if (p[0] == '0' && lower(p[1]) == 'x')
    return false;
  std::uint64_t m = 0;
  int digits = 0, scale = 0;
  // Bounded loops: the scan never leaves the kFastReach bytes known to be there.
  for (; is_digit(*p) && digits < 20; ++p, ++digits)
    m = m * 10 + static_cast<unsigned>(*p - '0');
  if (*p == '.')
    for (++p; is_digit(*p) && digits < 20; ++p, ++digits, --scale)
      m = m * 10 + static_cast<unsigned>(*p - '0');
  if (digits == 0 || digits > 19 || m > (std::uint64_t{1} << 53))
    return false;
  if (lower(*p) == 'e') {
    const char *q = p + 1;
    const bool minus = *q == '-';
    q += *q == '-' || *q == '+';
    int e = 0, e_digits = 0;
    for (; is_digit(*q) && e_digits < 4; ++q, ++e_digits)
      e = e * 10 + (*q - '0');
    if (e_digits == 0 || is_digit(*q))
      return false;
    scale += minus ? -e : e;
    p = q;
  }
  if (scale < -22 || scale > 22)
    return false;
  const double mantissa = static_cast<double>(m);
  const double v = scale < 0 ? mantissa / kPowers[-scale] : mantissa * kPowers[scale];
  value = negative ? -v : v;
  pos = static_cast<std::size_t>(p - buffer);
  return true;
}

// Consumes the letters of word (lower case) whatever their case; false at the first
// mismatch, which stays unread.
bool take_word(const char *word) {
  for (; *word; ++word) {
    if (lower(peek()) != *word)
      return false;
    ++pos;
  }
  return true;
}

// The significant digits of a mantissa of any length, kept in bounded memory.
// Beyond kKept digits only whether some digit is non-zero matters for correct
// rounding (767 decimal digits decide any double), so the tail is folded into one
// sticky digit.
struct Mantissa {
  static constexpr int kKept = 800;
  char digits[kKept + 1];
  int kept = 0;
  std::int64_t shift = 0; // value = digits × base^shift
  bool sticky = false;
  bool any_digit = false;
  bool in_fraction = false;

  void add(int digit, char text) {
    any_digit = true;
    if (kept == 0 && digit == 0) {
      shift -= in_fraction;
    } else if (kept < kKept) {
      digits[kept++] = text;
      shift -= in_fraction;
    } else {
      sticky |= digit != 0;
      shift += !in_fraction;
    }
  }
};

// Digits of an exponent, saturated far beyond any double's range.
std::int64_t take_exponent() {
  bool negative = false;
  if (peek() == '+' || peek() == '-') {
    negative = peek() == '-';
    ++pos;
  }
  std::int64_t e = 0;
  for (int c; is_digit(c = peek()); ++pos)
    e = e < 1000000000 ? e * 10 + (c - '0') : e;
  return negative ? -e : e;
}

// Converts digits × base^shift × radix^exponent, with the rounding of strtod.
double convert(Mantissa &m, std::int64_t exponent, bool hex) {
  if (m.kept == 0)
    return 0.0;
  if (m.sticky) {
    m.digits[m.kept++] = '1';
    --m.shift;
  }
  std::int64_t power = (hex ? 4 * m.shift : m.shift) + exponent;
  power = power < -1000000 ? -1000000 : power > 1000000 ? 1000000 : power;
  char text[Mantissa::kKept + 16];
  std::size_t n = 0;
  for (int i = 0; i < m.kept; ++i)
    text[n++] = m.digits[i];
  text[n++] = hex ? 'p' : 'e';
  n = static_cast<std::size_t>(std::to_chars(text + n, text + sizeof text, power).ptr - text);
  double value = 0.0;
  auto result = std::from_chars(text, text + n, value,
                                hex ? std::chars_format::hex : std::chars_format::scientific);
  if (result.ec == std::errc::result_out_of_range) {
    std::int64_t magnitude = (hex ? 4 : 1) * static_cast<std::int64_t>(m.kept) + power;
    value = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  }
  return value;
}

// After "0x": hex digits with at most one point, then "p" and an exponent only when
// a digit came before it. "0x" followed by neither a digit nor a point is no number.
Scan read_hex(double &value, bool negative) {
  int c = peek();
  if (hex_value(c) < 0 && c != '.')
    return no_number(c);
  Mantissa m;
  for (;; ++pos) {
    c = peek();
    if (int d = hex_value(c); d >= 0)
      m.add(d, static_cast<char>(c));
    else if (c == '.' && !m.in_fraction)
      m.in_fraction = true;
    else
      break;
  }
  std::int64_t exponent = 0;
  if (m.any_digit && lower(c) == 'p') {
    ++pos;
    exponent = take_exponent();
  }
  double v = convert(m, exponent, true);
  value = negative ? -v : v;
  return Scan::ok;
}

} // namespace

bool input_bind(const char *path) {
  pos = len = 0;
  at_eof = read_failed = false;
  if (!std::freopen(path, "r", stdin))
    return false;
  std::setvbuf(stdin, nullptr, _IONBF, 0); // the reader buffers; stdio need not
  return true;
}

Scan read_int(std::int32_t &value) {
  if (Scan s = skip_space(); s != Scan::ok)
    return s;
  if (fast_reach() && fast_int(value))
    return Scan::ok;
  int c = peek();
  bool negative = false;
  if (c == '+' || c == '-') {
    negative = c == '-';
    ++pos;
    c = peek();
  }
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
  value = negative ? static_cast<std::int32_t>(0u - magnitude) : static_cast<std::int32_t>(magnitude);
  return Scan::ok;
}

Scan read_real(double &value) {
  if (Scan s = skip_space(); s != Scan::ok)
    return s;
  if (fast_reach() && fast_real(value))
    return Scan::ok;
  int c = peek();
  bool negative = false;
  if (c == '+' || c == '-') {
    negative = c == '-';
    ++pos;
    c = peek();
  }
  if (lower(c) == 'i') {
    if (!take_word("inf"))
      return Scan::not_number;
    if (lower(peek()) == 'i' && !take_word("inity"))
      return Scan::not_number;
    value = negative ? -std::numeric_limits<double>::infinity()
                     : std::numeric_limits<double>::infinity();
    return Scan::ok;
  }
  if (lower(c) == 'n') {
    if (!take_word("nan"))
      return Scan::not_number;
    value = negative ? -std::numeric_limits<double>::quiet_NaN()
                     : std::numeric_limits<double>::quiet_NaN();
    return Scan::ok;
  }
  Mantissa m;
  if (c == '0') {
    ++pos;
    if (lower(peek()) == 'x') {
      ++pos;
      return read_hex(value, negative);
    }
    m.add(0, '0');
  }
  for (;; ++pos) {
    c = peek();
    if (is_digit(c))
      m.add(c - '0', static_cast<char>(c));
    else if (c == '.' && !m.in_fraction)
      m.in_fraction = true;
    else
      break;
  }
  if (!m.any_digit)
    return no_number(c);
  std::int64_t exponent = 0;
  if (lower(c) == 'e') {
    ++pos;
    exponent = take_exponent();
  }
  double v = convert(m, exponent, false);
  value = negative ? -v : v;
  return Scan::ok;
}
