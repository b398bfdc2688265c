// The reader's buffer over standard input, shared by the integer and the real
// conversions; not part of the instance subsystem's interface.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "reader/reader.h"

namespace input {

inline constexpr std::size_t kBufferSize = 1 << 18;
extern char buffer[kBufferSize];
extern std::size_t pos, len; // next byte, bytes held
extern bool read_failed;     // the file could not be read to its end
extern std::FILE *source;    // the bound file
extern std::uint64_t before; // bytes of the file before buffer[0]
extern std::uint64_t token;  // offset in the file of the last read's token

// Reads the next block; false at the end of the file.
bool refill();

// The next byte, or -1 at the end of the file.
inline int peek() {
  if (pos == len && !refill())
    return -1;
  return static_cast<unsigned char>(buffer[pos]);
}

inline bool is_space(int c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

inline bool is_digit(int c) { return c >= '0' && c <= '9'; }

inline int lower(int c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; }

// What a read met where it expected a number: garbage, or the end (a read error).
inline Scan no_number(int c) { return c < 0 && read_failed ? Scan::unreadable : Scan::not_number; }

// Skips white space; ok when a byte follows, else end (or unreadable).
Scan skip_space();

// Consumes an optional sign; true when it is '-'.
inline bool take_sign() {
  const int c = peek();
  if (c != '+' && c != '-')
    return false;
  ++pos;
  return c == '-';
}

// Short tokens far from the buffer's end are read straight from memory; anything
// else (long digit runs, hex, inf, nan, a token near the end) takes the general
// byte-at-a-time path, which the fast paths leave untouched when they give up.
inline constexpr std::size_t kFastReach = 64;

inline bool fast_reach() { return len - pos >= kFastReach; }

} // namespace input
