#include "support/files.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

#include "reader/reader.h"

namespace {

// One folder per test process, removed when the process ends, so that the
// thousands of runs of a suite leave nothing in the temporary folder. Only the
// process that made it removes it: a death test's child exits through it too.
class Scratch {
public:
  Scratch() : owner_(getpid()) {
    const char *dir = std::getenv("TMPDIR");
    std::string pattern = std::string(dir ? dir : "/tmp") + "/checker_test_XXXXXX";
    if (!mkdtemp(pattern.data()))
      throw std::runtime_error("cannot make a folder in " + pattern);
    // A test may run a program as another user on the folders it is given.
    chmod(pattern.c_str(), 0711);
    path_ = pattern + "/";
  }
  ~Scratch() {
    std::error_code ignored;
    if (getpid() == owner_)
      std::filesystem::remove_all(path_, ignored);
  }
  Scratch(const Scratch &) = delete;
  Scratch &operator=(const Scratch &) = delete;
  const std::string &path() const { return path_; }

private:
  pid_t owner_;
  std::string path_;
};

} // namespace

const std::string &scratch_dir() {
  static Scratch scratch;
  return scratch.path();
}

std::string temp_file(const std::string &text) {
  static std::atomic<int> serial{0};
  std::string path = scratch_dir() + "file_" + std::to_string(serial++);
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
