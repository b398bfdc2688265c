// Writing a judge's feedback or result file.
#include "files/output_file.h"

#include <cstdio>
#include <string>

bool write_text(const std::string &path, const std::string &text) {
  std::FILE *f = std::fopen(path.c_str(), "wb");
  if (!f)
    return false;
  const bool written = std::fwrite(text.data(), 1, text.size(), f) == text.size();
  return std::fclose(f) == 0 && written;
}

bool write_text_whole(const std::string &path, const std::string &text) {
  const std::string partial = path + ".partial";
  if (write_text(partial, text) && std::rename(partial.c_str(), path.c_str()) == 0)
    return true;
  std::remove(partial.c_str());
  return false;
}
