// Writing a judge's feedback or result file.
#include "files/output_file.h"

#include <cstdio>

bool write_text(const std::string &path, const std::string &text) {
  std::FILE *f = std::fopen(path.c_str(), "wb");
  if (!f)
    return false;
  const bool written = std::fwrite(text.data(), 1, text.size(), f) == text.size();
  return std::fclose(f) == 0 && written;
}
