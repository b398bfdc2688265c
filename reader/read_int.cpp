// "%d": decimal integers with a sign, overflow beyond 32 bits reported.
#include <cstdint>

#include "reader/input_buffer.h"

namespace read_int_internal {

using namespace input;

// A decimal integer of at most 7 digits; false (nothing consumed) for any other
// token, which the general path then reads.
bool fast_int(std::int32_t &value) {
  const char *p = buffer + pos;
  if (!short_int(p, value))
    return false;
  pos = static_cast<std::size_t>(p - buffer);
  return true;
}

} // namespace read_int_internal

Scan read_int(std::int32_t &value) {
  using namespace read_int_internal;
  if (Scan s = skip_space(); s != Scan::ok)
    return s;
  if (fast_reach() && fast_int(value))
    return Scan::ok;
  const bool negative = take_sign();
  int c = peek();
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
  value =
      negative ? static_cast<std::int32_t>(0u - magnitude) : static_cast<std::int32_t>(magnitude);
  return Scan::ok;
}

bool skip_integer_token() {
  using namespace read_int_internal;
  if (skip_space() != Scan::ok)
    return false;
  take_sign();
  bool digits = false;
  int c;
  while (is_digit(c = peek())) {
    digits = true;
    ++pos;
  }
  bool whole = digits && (c < 0 || is_space(c));
  while ((c = peek()) >= 0 && !is_space(c))
    ++pos;
  return whole;
}
