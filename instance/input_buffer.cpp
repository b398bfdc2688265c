// The reader's buffer: one fixed block of standard input at a time.
#include "instance/input_buffer.h"

#include <cstdio>

namespace input {

char buffer[kBufferSize];
std::size_t pos = 0, len = 0;
bool read_failed = false;

namespace {
bool at_eof = false;
} // namespace

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

} // namespace input

bool input_bind(const char *path) {
  input::pos = input::len = 0;
  input::at_eof = input::read_failed = false;
  if (!std::freopen(path, "r", stdin))
    return false;
  std::setvbuf(stdin, nullptr, _IONBF, 0); // the reader buffers; stdio need not
  return true;
}
