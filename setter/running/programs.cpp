// Finding the programs setter needs.
#include "setter/running/programs.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <elf.h>
#include <filesystem>
#include <unistd.h>

#include "setter/language/language.h"

namespace fs = std::filesystem;

std::string beside_setter(const std::string &name) {
  std::error_code failure;
  const fs::path self = fs::read_symlink("/proc/self/exe", failure);
  return failure ? name : (self.parent_path() / name).string();
}

bool is_static_executable(const std::string &path, std::string &why) {
  std::FILE *f = std::fopen(path.c_str(), "rb");
  if (!f) {
    why = say("cannot be opened", "無法開啟");
    return false;
  }
  Elf64_Ehdr header{};
  bool ok = std::fread(&header, sizeof header, 1, f) == 1 && std::memcmp(header.e_ident, ELFMAG, SELFMAG) == 0 &&
            header.e_ident[EI_CLASS] == ELFCLASS64;
  why = ok ? "" : say("is not a 64-bit ELF executable", "不是 64 位元 ELF 執行檔");
  for (int i = 0; ok && i < header.e_phnum; ++i) {
    Elf64_Phdr segment{};
    ok = std::fseek(f, static_cast<long>(header.e_phoff + i * header.e_phentsize), SEEK_SET) == 0 &&
         std::fread(&segment, sizeof segment, 1, f) == 1;
    if (!ok)
      why = say("has unreadable program headers", "的程式標頭無法讀取");
    else if (segment.p_type == PT_INTERP) {
      why = say("is linked dynamically (CMS runs checkers where shared libraries may be missing)",
                "是動態連結的（CMS 執行評測程式的環境可能沒有共享函式庫）");
      ok = false;
    }
  }
  std::fclose(f);
  return ok;
}

bool on_path(const std::string &name) {
  const char *path = std::getenv("PATH");
  for (std::string dirs = path ? path : ""; !dirs.empty();) {
    const std::size_t colon = dirs.find(':');
    const std::string dir = dirs.substr(0, colon);
    if (!dir.empty() && access((dir + "/" + name).c_str(), X_OK) == 0)
      return true;
    dirs = colon == std::string::npos ? "" : dirs.substr(colon + 1);
  }
  return false;
}
