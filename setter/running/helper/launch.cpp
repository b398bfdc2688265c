// fork, unshare and exec for a run. The helper is single-threaded, so a child
// may do anything before exec.
#include "setter/running/helper/launch.h"

#include <cerrno>
#include <cmath>
#include <csignal>
#include <fcntl.h>
#include <sched.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

void set_limit(int resource, rlim_t value) {
  const rlimit limit{value, value};
  setrlimit(resource, &limit);
}

// Closes every descriptor above 2: nothing of the helper's, or its caller's, reaches the program.
void close_the_rest() {
  if (syscall(SYS_close_range, 3u, ~0u, 0u) == 0)
    return;
  for (int fd = 3; fd < 65536; ++fd)
    close(fd);
}

// The program's side of the fork: its files, limits and environment, then exec.
[[noreturn]] void become_program(const Launch &l, pid_t parent) {
  prctl(PR_SET_PDEATHSIG, SIGKILL);
  if (getppid() != parent)
    _exit(127);
  setpgid(0, 0); // a group of its own: a kill of "its group" reaches no one else
  sigset_t none;
  sigemptyset(&none);
  sigprocmask(SIG_SETMASK, &none, nullptr);
  std::signal(SIGPIPE, SIG_DFL); // the helper ignores it; a program must not inherit that
  const int in = open(l.input.c_str(), O_RDONLY), out = open(l.output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600),
            err = l.error == l.output ? out : open(l.error.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  if (in < 0 || out < 0 || err < 0 || dup2(in, 0) < 0 || dup2(out, 1) < 0 || dup2(err, 2) < 0)
    _exit(127);
  close_the_rest();
  if (l.output_bytes > 0)
    set_limit(RLIMIT_FSIZE, static_cast<rlim_t>(l.output_bytes) + 1); // writing past it raises SIGXFSZ
  if (l.cpu_seconds > 0)
    set_limit(RLIMIT_CPU, static_cast<rlim_t>(std::ceil(l.cpu_seconds)) + 1);
  if (l.stack_kib > 0)
    set_limit(RLIMIT_STACK, static_cast<rlim_t>(l.stack_kib) * 1024);
  if (l.user_processes > 0)
    set_limit(RLIMIT_NPROC, static_cast<rlim_t>(l.user_processes));
  set_limit(RLIMIT_CORE, 0);
  std::vector<char *> args;
  for (const std::string &a : l.argv)
    args.push_back(const_cast<char *>(a.c_str()));
  args.push_back(nullptr);
  char path[] = "PATH=/usr/local/bin:/usr/bin:/bin", lang[] = "LANG=C";
  char *clean[] = {path, lang, nullptr};
  if (l.clean_environment)
    environ = clean;
  execvp(args[0], args.data());
  _exit(127);
}

// The init of a run's PID namespace: starts the program, reaps every orphan,
// and when the program ends, reports its status and ends, which ends every
// process left in the namespace.
[[noreturn]] void become_init(const Launch &l, int go, int status_pipe) {
  prctl(PR_SET_PDEATHSIG, SIGKILL);
  // In the groups before anything starts; a helper that died before the
  // line above closed the pipe, and nothing starts.
  char byte;
  if (read(go, &byte, 1) != 1)
    _exit(127);
  close(go);
  const pid_t self = getpid();
  const pid_t program = fork();
  if (program == 0)
    become_program(l, self);
  for (int status; program > 0;) {
    const pid_t ended = waitpid(-1, &status, 0);
    if (ended == program) {
      (void)!write(status_pipe, &status, sizeof status);
      _exit(0);
    }
    if (ended < 0 && errno != EINTR)
      break;
  }
  _exit(127);
}

} // namespace

Started launch(const Launch &l, const RunGroups &groups) {
  Started s;
  int go[2], status[2];
  if (pipe2(go, O_CLOEXEC) != 0 || pipe2(status, O_CLOEXEC) != 0)
    return s;
  const pid_t helper = getpid();
  if (unshare(CLONE_NEWPID) == 0) {
    s.namespaced = true;
    s.watched = fork(); // the namespace's first process: its init
    if (s.watched == 0)
      become_init(l, go[0], status[1]);
  } else {
    s.watched = fork();
    if (s.watched == 0) {
      char byte;
      if (read(go[0], &byte, 1) != 1)
        _exit(127);
      become_program(l, helper);
    }
    if (s.watched > 0)
      setpgid(s.watched, s.watched); // as the child does, so that the group exists whichever runs first
    s.group = s.watched;
  }
  close(go[0]);
  close(status[1]);
  s.status_pipe = status[0];
  if (s.watched > 0)
    join_run_groups(groups, s.watched);
  const char byte = 1;
  (void)!write(go[1], &byte, 1);
  close(go[1]);
  return s;
}

bool program_status(const Started &started, int &status) {
  return read(started.status_pipe, &status, sizeof status) == sizeof status;
}
