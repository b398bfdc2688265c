// Reading a whole file, bounded.
#include "setter/validation/text_file.h"

#include <cstdio>
#include <sys/stat.h>

#if defined(__linux__)
#include <csignal>
#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>
#endif

#include "memory/huge_pages.h"
#include "setter/language/language.h"

namespace text_file_internal {

std::string too_large() {
  const std::string bound = std::to_string(kMostFileBytes >> 20);
  return say("larger than the bound of " + bound + " MiB: no sensible test file",
             "大於 " + bound + " MiB 的上限，不是合理的測資檔");
}

#if defined(__linux__)
// What a bus error says while a file is mapped: written by the handler, which may
// call nothing that allocates.
std::string mapped_failure;
int mapped_now = 0; // files mapped and held

void on_bus_error(int) {
  if (mapped_now > 0) {
    const ssize_t written = write(STDERR_FILENO, mapped_failure.data(), mapped_failure.size());
    (void)written;
    _exit(1);
  }
  signal(SIGBUS, SIG_DFL);
  raise(SIGBUS);
}

// The file at path mapped whole for reading, when it is a regular file of 1 to
// kMostFileBytes bytes that can be mapped; false otherwise.
bool map_whole(const std::string &path, const char *&bytes, std::size_t &size) {
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0)
    return false;
  struct stat info {};
  void *memory = MAP_FAILED;
  if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0 &&
      static_cast<std::uint64_t>(info.st_size) <= kMostFileBytes)
    memory = mmap(nullptr, static_cast<std::size_t>(info.st_size), PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
  close(fd);
  if (memory == MAP_FAILED)
    return false;
  bytes = static_cast<const char *>(memory);
  size = static_cast<std::size_t>(info.st_size);
  return true;
}
#endif

} // namespace text_file_internal

void let_go(FileText &text) {
#if defined(__linux__)
  if (text.mapped_) {
    --text_file_internal::mapped_now;
    munmap(const_cast<char *>(text.mapped_), text.mapped_size_);
  }
#endif
  text.mapped_ = nullptr;
  text.mapped_size_ = 0;
  text.read_.clear();
}

std::string read_file_text(const std::string &path, FileText &text) {
  using namespace text_file_internal;
  let_go(text);
#if defined(__linux__)
  if (path != "-") {
    static const bool handled = [] {
      struct sigaction action {};
      action.sa_handler = on_bus_error;
      sigemptyset(&action.sa_mask);
      return sigaction(SIGBUS, &action, nullptr) == 0;
    }();
    mapped_failure = path + ": " + say("changed while it was read", "在讀取時被更動") + "\n";
    if (handled && map_whole(path, text.mapped_, text.mapped_size_)) {
      ++mapped_now;
      return {};
    }
  }
#endif
  return read_text_file(path, text.read_);
}

std::string read_text_file(const std::string &path, std::string &text) {
  using namespace text_file_internal;
  text.clear();
  const bool from_stdin = path == "-";
  struct stat info {};
  if (!from_stdin && stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode))
    return say("a folder, not a file", "是資料夾，不是檔案");
  std::FILE *f = from_stdin ? stdin : std::fopen(path.c_str(), "rb");
  if (!f)
    return say("cannot be opened", "無法開啟");
  const bool regular = !from_stdin && S_ISREG(info.st_mode);
  if (regular && static_cast<std::uint64_t>(info.st_size) > kMostFileBytes) {
    std::fclose(f);
    return too_large();
  }
  // Sized once, so the text is never copied as it grows: to the file's size, or
  // for a stream to the bound (only the pages written are ever touched).
  char block[1 << 16];
  text.reserve(regular ? static_cast<std::size_t>(info.st_size) : kMostFileBytes + sizeof block);
  if (regular)
    prefer_huge_pages_within(text.data(), text.capacity()); // before the first touch
  if (regular) { // straight into the text: one copy fewer
    text.resize(static_cast<std::size_t>(info.st_size));
    text.resize(std::fread(text.data(), 1, text.size(), f));
  }
  std::size_t n; // what a stream holds, or a file that grew
  while (text.size() <= kMostFileBytes && (n = std::fread(block, 1, sizeof block, f)) > 0)
    text.append(block, n);
  const bool failed = std::ferror(f) != 0;
  if (!from_stdin)
    std::fclose(f);
  if (failed)
    return say("cannot be read", "無法讀取");
  if (text.size() > kMostFileBytes) {
    text.clear();
    text.shrink_to_fit();
    return too_large();
  }
  return {};
}
