// Line and column of a byte offset, and the offset of the n-th token.
#include "reader/position.h"

#include <cstdio>

namespace {

bool is_space(int c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

} // namespace

Position locate(const char *path, std::uint64_t offset) {
  Position at{1, 1};
  std::FILE *f = std::fopen(path, "rb");
  if (!f)
    return at;
  for (std::uint64_t i = 0; i < offset; ++i) {
    int c = std::getc(f);
    if (c == EOF)
      break;
    if (c == '\n')
      at = {at.line + 1, 1};
    else
      ++at.column;
  }
  std::fclose(f);
  return at;
}

std::uint64_t token_offset(const char *path, std::uint64_t index) {
  std::FILE *f = std::fopen(path, "rb");
  if (!f)
    return 0;
  std::uint64_t offset = 0, tokens = 0;
  bool in_token = false;
  for (int c; (c = std::getc(f)) != EOF; ++offset) {
    const bool starts = !is_space(c) && !in_token;
    in_token = !is_space(c);
    if (starts && tokens++ == index)
      break;
  }
  std::fclose(f);
  return offset;
}

std::string located(const char *path, Position at) {
  return std::string(path) + ":" + std::to_string(at.line) + ":" + std::to_string(at.column);
}
