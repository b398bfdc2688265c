// The reader's buffer: one fixed block of the bound file at a time.
#include "reader/input_buffer.h"

#include <algorithm>
#include <cstdio>
#include <string_view>
#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#endif

#include "reader/space_mask.h"

// Where the bound input stands, besides what input_buffer.h shares.
namespace input_buffer_internal {
bool at_eof = false;
std::string_view held;     // the bound text, when no file is bound
std::size_t held_next = 0; // its first byte not yet in the buffer
} // namespace input_buffer_internal

namespace input {

char buffer[kBufferSize];
std::size_t pos = 0, len = 0;
bool read_failed = false;
std::FILE *source = nullptr;
std::uint64_t before = 0, token = 0, generation = 0;

bool refill() {
  using namespace input_buffer_internal;
  if (at_eof)
    return false;
  before += len;
  pos = 0;
  ++generation;
  if (source) {
    len = std::fread(buffer, 1, kBufferSize, source);
  } else {
    len = std::min(kBufferSize, held.size() - held_next);
    std::copy_n(held.data() + held_next, len, buffer);
    held_next += len;
  }
  if (len == 0) {
    at_eof = true;
    read_failed = source && std::ferror(source) != 0;
    return false;
  }
  return true;
}

// Bytes looked at one by one before a run of white space is taken for a long one.
constexpr std::ptrdiff_t kShortRun = 16;

Scan skip_space() {
  for (;;) {
    const char *p = buffer + pos, *end = buffer + len;
    const char *quick = p + std::min(end - p, kShortRun);
    while (p < quick && is_space(static_cast<unsigned char>(*p)))
      ++p;
    if (p == quick) { // a long run (a plan padded with blanks): 64 bytes a step
      while (end - p >= static_cast<std::ptrdiff_t>(kSpaceMaskBytes) && space_mask(p) == ~std::uint64_t{0})
        p += kSpaceMaskBytes;
      while (p < end && is_space(static_cast<unsigned char>(*p)))
        ++p;
    }
    pos = static_cast<std::size_t>(p - buffer);
    token = before + pos;
    if (p < end)
      return Scan::ok;
    if (!refill())
      return read_failed ? Scan::unreadable : Scan::end;
  }
}

} // namespace input

namespace input_buffer_internal {

void bind(std::FILE *file, std::string_view bound_text = {}) {
  using namespace input;
  if (source && source != stdin)
    std::fclose(source);
  source = file;
  held = bound_text;
  held_next = 0;
  pos = len = 0;
  before = token = 0;
  ++generation;
  at_eof = read_failed = false;
  if (file)
    std::setvbuf(file, nullptr, _IONBF, 0); // the reader buffers; stdio need not
}

} // namespace input_buffer_internal

bool input_bind(const char *path) {
  using namespace input_buffer_internal;
  std::FILE *file = std::fopen(path, "rb"); // the bytes judged are the file's, on every platform
  bind(file);
  if (!file)
    input_buffer_internal::at_eof = input::read_failed = true; // every read reports the file unreadable
  return file != nullptr;
}

void input_bind_stdin() {
  using namespace input_buffer_internal;
#if defined(_WIN32)
  _setmode(_fileno(stdin), _O_BINARY); // no \r\n folding, no end at a 0x1A byte
#endif
  bind(stdin);
}

void input_bind_text(std::string_view bound_text) { input_buffer_internal::bind(nullptr, bound_text); }

std::uint64_t input_token_offset() { return input::token; }

bool input_restart() {
  using namespace input_buffer_internal;
  using namespace input;
  ++generation;
  token = 0;
  if (before == 0 && !read_failed) { // the buffer still holds the file's first bytes
    pos = 0;
    return true;
  }
  if (source && std::fseek(source, 0, SEEK_SET) != 0)
    return false;
  if (source)
    std::clearerr(source);
  held_next = 0;
  pos = len = 0;
  before = 0;
  at_eof = read_failed = false;
  return true;
}

std::uint64_t input_line_at(std::uint64_t offset) {
  using namespace input_buffer_internal;
  using namespace input;
  if (!input_restart())
    return 0;
  std::uint64_t line = 1;
  while (before + pos < offset && peek() >= 0) {
    const std::size_t stop = static_cast<std::size_t>(std::min<std::uint64_t>(len, offset - before));
    line += static_cast<std::uint64_t>(std::count(buffer + pos, buffer + stop, '\n'));
    pos = stop;
  }
  return line;
}
