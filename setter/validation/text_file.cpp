// Reading a whole file, bounded.
#include "setter/validation/text_file.h"

#include <cstdio>
#include <sys/stat.h>

#include "memory/huge_pages.h"
#include "setter/language/language.h"

namespace text_file_internal {

std::string too_large() {
  const std::string bound = std::to_string(kMostFileBytes >> 20);
  return say("larger than the bound of " + bound + " MiB: no sensible test file",
             "大於 " + bound + " MiB 的上限，不是合理的測資檔");
}

} // namespace text_file_internal

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
