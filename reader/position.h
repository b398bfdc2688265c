// Where a byte offset lies in a file's text, for reports that name a line and a
// column. Worked out from the text once a defect is reported, so reading pays
// nothing for it.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct Position {
  std::uint64_t line, column; // both 1-based; the column counts bytes
};

// The offsets at which a text's lines and white-space-separated tokens begin
// (white space as the reader skips it).
struct TextMap {
  std::vector<std::uint64_t> line_starts, token_starts;
  std::uint64_t size = 0;
};

// Maps text: every line start and every token start, in order.
TextMap map_text(std::string_view text);

// The line and column of the byte at offset; an offset at or past the end gives
// the position just after the last byte.
Position position_of(const TextMap &map, std::uint64_t offset);

// The offset of the index-th (0-based) token; the text's size when it has fewer.
std::uint64_t token_start(const TextMap &map, std::uint64_t index);

// Reads the whole file at path into text; false when it cannot be read.
bool read_whole_file(const char *path, std::string &text);

// "path:line:column: what", one located report; "line:column: what" when path is empty.
std::string located(const std::string &path, Position at, const std::string &what);
