#include "support/binary.h"

#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "support/files.h"

namespace {

std::string slurp(const std::string &path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

} // namespace

Outcome run_binary(const std::vector<std::string> &args) {
  std::string out_path = temp_file(""), err_path = temp_file("");
  pid_t pid = fork();
  if (pid < 0)
    throw std::runtime_error("fork failed");
  if (pid == 0) {
    int out = open(out_path.c_str(), O_WRONLY | O_TRUNC), err = open(err_path.c_str(), O_WRONLY | O_TRUNC);
    int none = open("/dev/null", O_RDONLY);
    dup2(none, 0);
    dup2(out, 1);
    dup2(err, 2);
    std::vector<char *> argv;
    std::string path = CHECKER_PATH;
    argv.push_back(path.data());
    for (const std::string &a : args)
      argv.push_back(const_cast<char *>(a.c_str()));
    argv.push_back(nullptr);
    execv(path.c_str(), argv.data());
    _exit(127);
  }
  int wstatus = 0;
  struct rusage usage {};
  wait4(pid, &wstatus, 0, &usage);
  Outcome o{WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : -1, slurp(out_path), slurp(err_path),
            usage.ru_maxrss};
  unlink(out_path.c_str());
  unlink(err_path.c_str());
  return o;
}
