// Finding and running the programs a package needs.
#include "setter/running/programs.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <elf.h>
#include <fcntl.h>
#include <filesystem>
#include <chrono>
#include <csignal>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "setter/language/language.h"

extern char **environ;

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

int run_logged(const std::vector<std::string> &argv, const std::string &log) {
  posix_spawn_file_actions_t files;
  posix_spawn_file_actions_init(&files);
  posix_spawn_file_actions_addopen(&files, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&files, 1, log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_adddup2(&files, 1, 2);
  std::vector<char *> args;
  for (const std::string &a : argv)
    args.push_back(const_cast<char *>(a.c_str()));
  args.push_back(nullptr);
  pid_t pid;
  int status = 0;
  const bool started = posix_spawnp(&pid, args[0], &files, nullptr, args.data(), environ) == 0;
  posix_spawn_file_actions_destroy(&files);
  if (!started || waitpid(pid, &status, 0) != pid || !WIFEXITED(status))
    return -1;
  return WEXITSTATUS(status);
}

int run_timed(const std::string &path, const std::string &input, double wall_limit, double &cpu_seconds) {
  posix_spawn_file_actions_t files;
  posix_spawn_file_actions_init(&files);
  posix_spawn_file_actions_addopen(&files, 0, input.c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&files, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&files, 2, "/dev/null", O_WRONLY, 0);
  char *args[] = {const_cast<char *>(path.c_str()), nullptr};
  pid_t pid;
  const bool started = posix_spawn(&pid, path.c_str(), &files, nullptr, args, environ) == 0;
  posix_spawn_file_actions_destroy(&files);
  cpu_seconds = 0;
  if (!started)
    return -1;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(wall_limit);
  int status = 0;
  rusage usage{};
  while (wait4(pid, &status, WNOHANG, &usage) == 0) {
    if (std::chrono::steady_clock::now() > deadline) {
      kill(pid, SIGKILL);
      wait4(pid, &status, 0, &usage);
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  cpu_seconds = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
