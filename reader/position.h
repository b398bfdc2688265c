// Where a byte offset lies in a file, for reports that name a line and a column.
// Found again from the file once a defect is reported, so reading pays nothing.
#pragma once
#include <cstdint>
#include <string>

struct Position {
  std::uint64_t line, column; // both 1-based; the column counts bytes
};

// The line and column of the byte at offset in the file at path; an offset at or
// past the end gives the position just after the last byte. {1, 1} when the file
// cannot be read.
Position locate(const char *path, std::uint64_t offset);

// The offset of the first byte of the index-th (0-based) token of the file at path,
// tokens being separated by white space as the reader skips it; the file's size
// when it holds fewer tokens.
std::uint64_t token_offset(const char *path, std::uint64_t index);

// "path:line:column", the prefix of a located report.
std::string located(const char *path, Position at);
