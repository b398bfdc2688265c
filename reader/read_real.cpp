// "%lf": decimal and hexadecimal reals, inf and nan, as glibc's scanf takes them
// and strtod converts them.
#include <charconv>
#include <cstdint>
#include <limits>

#include "reader/input_buffer.h"

namespace read_real_internal {

using namespace input;

int hex_value(int c) {
  if (is_digit(c))
    return c - '0';
  if (c >= 'a' && c <= 'f')
    return c - 'a' + 10;
  if (c >= 'A' && c <= 'F')
    return c - 'A' + 10;
  return -1;
}

// A decimal of at most 19 digits whose value is exactly m·10^e with m <= 2^53 and
// |e| <= 22: one correctly rounded operation on exact operands gives strtod's
// result. False (nothing consumed) for any other token.
bool fast_real(double &value) {
  const char *p = buffer + pos;
  const bool negative = *p == '-';
  p += *p == '-' || *p == '+';
  if (p[0] == '0' && lower(p[1]) == 'x')
    return false;
  std::uint64_t m = 0;
  int digits = 0, scale = 0;
  if (!short_decimal(p, m, digits, scale)) {
    // Bounded loops: the scan never leaves the kFastReach bytes known to be there.
    for (; is_digit(*p) && digits < 20; ++p, ++digits)
      m = m * 10 + static_cast<unsigned>(*p - '0');
    if (*p == '.')
      for (++p; is_digit(*p) && digits < 20; ++p, ++digits, --scale)
        m = m * 10 + static_cast<unsigned>(*p - '0');
  }
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
  const double v = scaled(m, scale);
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
  const bool negative = take_sign();
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

} // namespace read_real_internal

Scan read_real(double &value) {
  using namespace read_real_internal;
  if (Scan s = skip_space(); s != Scan::ok)
    return s;
  if (fast_reach() && fast_real(value))
    return Scan::ok;
  const bool negative = take_sign();
  int c = peek();
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
