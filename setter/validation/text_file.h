// Files that the setter's commands read whole: bounded, so that no file, device
// or endless stream can hold a command up or fill its memory.
#pragma once
#include <cstdint>
#include <string>

// The most bytes read from one file: 64 MiB, four times the largest instance in
// the canonical layout (N = M = 262144, reals of up to 20 characters).
inline constexpr std::uint64_t kMostFileBytes = std::uint64_t{64} << 20;

// Reads the file at path ("-" for standard input) into text. Returns an empty
// string, or what is wrong: it cannot be opened, is a directory, cannot be read,
// or holds more than kMostFileBytes (reading stops there).
std::string read_text_file(const std::string &path, std::string &text);
