// Line and column of a byte offset, and the offset of the n-th token.
#include "reader/position.h"

#include <algorithm>
#include <cstdio>

#include "memory/huge_pages.h"

TextMap map_text(std::string_view text) {
  TextMap map;
  map.size = text.size();
  map.line_starts.push_back(0);
  bool in_token = false;
  for (std::uint64_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    const bool space = c == ' ' || (c >= '\t' && c <= '\r');
    if (!space && !in_token)
      map.token_starts.push_back(i);
    in_token = !space;
    if (c == '\n')
      map.line_starts.push_back(i + 1);
  }
  return map;
}

Position position_of(const TextMap &map, std::uint64_t offset) {
  offset = std::min(offset, map.size);
  auto after = std::upper_bound(map.line_starts.begin(), map.line_starts.end(), offset);
  const std::uint64_t line = static_cast<std::uint64_t>(after - map.line_starts.begin());
  return {line, offset - after[-1] + 1};
}

std::uint64_t token_start(const TextMap &map, std::uint64_t index) {
  return index < map.token_starts.size() ? map.token_starts[index] : map.size;
}

bool read_whole_file(const char *path, std::string &text) {
  std::FILE *f = std::fopen(path, "rb");
  if (!f)
    return false;
  text.clear();
  // Sized once from the file's length where it has one, so the text is not
  // copied as it grows; a pipe or a growing file is read to its end regardless.
  if (std::fseek(f, 0, SEEK_END) == 0) {
    if (const long size = std::ftell(f); size > 0) {
      text.reserve(static_cast<std::size_t>(size));
      prefer_huge_pages_within(text.data(), text.capacity()); // before the first touch
    }
    std::rewind(f);
  }
  char block[1 << 16];
  for (std::size_t n; (n = std::fread(block, 1, sizeof block, f)) > 0;)
    text.append(block, n);
  const bool ok = !std::ferror(f);
  std::fclose(f);
  return ok;
}

std::string located(const std::string &path, Position at, const std::string &what) {
  return (path.empty() ? "" : path + ":") + std::to_string(at.line) + ":" + std::to_string(at.column) + ": " + what;
}
