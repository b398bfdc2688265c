// Judges three files' bytes in-process and aborts unless the run ends in one of
// the two outcome forms: a verdict (score line, catalogue message, status 0) or a
// checker failure (nothing on standard output, one "評測資料錯誤：" line, status 1).
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Writes bytes to the fuzzer's own temporary file called name; returns its path.
std::string write_fuzz_file(const std::string &name, std::string_view bytes);

void judge_and_check(std::string_view instance, std::string_view answer, std::string_view plan);

// Bytes as text, for the fuzzers' entry points.
inline std::string_view as_text(const std::uint8_t *data, std::size_t size) {
  return {reinterpret_cast<const char *>(data), size};
}
