#include "support/binary.h"

#include <fcntl.h>
#include <fstream>
#include <spawn.h>
#include <sstream>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "support/files.h"

namespace {

std::string slurp_and_remove(const std::string &path) {
  std::stringstream s;
  s << std::ifstream(path, std::ios::binary).rdbuf();
  unlink(path.c_str());
  return s.str();
}

} // namespace

const std::string kChecker = CHECKER_PATH, kCheckerKattis = CHECKER_KATTIS_PATH,
                  kCheckerTestlib = CHECKER_TESTLIB_PATH, kSetter = SETTER_PATH;

Ran run_binary(const std::vector<std::string> &args) { return run_program(kChecker, args); }

namespace {

Ran spawn(const std::string &path, const std::vector<std::string> &args, const std::string &input,
          char *const *environment) {
  const std::string out = temp_file(""), err = temp_file("");
  posix_spawn_file_actions_t files;
  posix_spawn_file_actions_init(&files);
  posix_spawn_file_actions_addopen(&files, 0, input.c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&files, 1, out.c_str(), O_WRONLY | O_TRUNC, 0);
  posix_spawn_file_actions_addopen(&files, 2, err.c_str(), O_WRONLY | O_TRUNC, 0);
  std::vector<char *> argv{const_cast<char *>(path.c_str())};
  for (const std::string &a : args)
    argv.push_back(const_cast<char *>(a.c_str()));
  argv.push_back(nullptr);
  pid_t pid;
  int wstatus = 0;

  struct rusage usage {};

  if (posix_spawn(&pid, path.c_str(), &files, nullptr, argv.data(), environment) == 0)
    wait4(pid, &wstatus, 0, &usage);
  posix_spawn_file_actions_destroy(&files);
  return {WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : -1, slurp_and_remove(out),
          slurp_and_remove(err), usage.ru_maxrss};
}

} // namespace

Ran run_program(const std::string &path, const std::vector<std::string> &args, const std::string &input) {
  return spawn(path, args, input, environ);
}

Ran run_program_in(const std::vector<std::string> &environment, const std::string &path,
                   const std::vector<std::string> &args) {
  std::vector<char *> entries;
  for (const std::string &e : environment)
    entries.push_back(const_cast<char *>(e.c_str()));
  entries.push_back(nullptr);
  return spawn(path, args, "/dev/null", entries.data());
}

Ran run_setter(const std::string &lang, std::vector<std::string> args, const std::string &input) {
  args.insert(args.end(), {"--lang", lang});
  return run_program(kSetter, args, input);
}
