#include "support/files.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <unistd.h>

#include "reader/reader.h"

std::string temp_file(const std::string &text) {
  static std::atomic<int> serial{0};
  const char *dir = std::getenv("TMPDIR");
  std::string path = std::string(dir ? dir : "/tmp") + "/checker_test_" + std::to_string(getpid()) +
                     "_" + std::to_string(serial++);
  std::FILE *f = std::fopen(path.c_str(), "wb");
  if (!f || std::fwrite(text.data(), 1, text.size(), f) != text.size() || std::fclose(f) != 0)
    throw std::runtime_error("cannot write " + path);
  return path;
}

std::string temp_file_filled(const std::string &head, char fill, std::size_t count,
                             const std::string &tail) {
  std::string path = temp_file(head);
  std::FILE *f = std::fopen(path.c_str(), "ab");
  const std::string chunk(1 << 16, fill);
  for (std::size_t left = count; f && left > 0;) {
    std::size_t n = left < chunk.size() ? left : chunk.size();
    left -= std::fwrite(chunk.data(), 1, n, f);
  }
  if (!f || std::fwrite(tail.data(), 1, tail.size(), f) != tail.size() || std::fclose(f) != 0)
    throw std::runtime_error("cannot write " + path);
  return path;
}

void bind_text(const std::string &text) {
  static std::string path;
  if (!path.empty())
    std::remove(path.c_str());
  path = temp_file(text);
  if (!input_bind(path.c_str()))
    throw std::runtime_error("cannot bind " + path);
}
