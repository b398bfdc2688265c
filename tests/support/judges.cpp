#include "support/judges.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/binary.h"
#include "support/files.h"

namespace fs = std::filesystem;

std::vector<Programs> programs() {
  return {{"built", kChecker, kCheckerKattis, kCheckerTestlib},
          {"single file", SINGLE_DIR "/checker", SINGLE_DIR "/checker-kattis", SINGLE_DIR "/checker-testlib"}};
}

std::string fresh_dir() {
  std::string pattern = scratch_dir() + "dir_XXXXXX";
  return std::string(mkdtemp(pattern.data())) + "/";
}

std::string bytes_of(const std::string &path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

Files files_in(const std::string &dir) {
  Files files;
  for (const auto &entry : fs::directory_iterator(dir))
    files[entry.path().filename()] = bytes_of(entry.path());
  fs::remove_all(dir);
  return files;
}
