// Running a program under a wall-time limit: a watchdog thread kills its process
// group at the deadline, which also ends the judge's read of its output.
#include "setter/verification/trial_run.h"

#include <chrono>
#include <condition_variable>
#include <csignal>
#include <fcntl.h>
#include <mutex>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "setter/validation/judging.h"

namespace {

using Clock = std::chrono::steady_clock;

// Kills the process group at the deadline unless stopped first.
class Watchdog {
public:
  Watchdog(pid_t group, double seconds)
      : deadline_(Clock::now() + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds))),
        thread_([this, group] {
          std::unique_lock<std::mutex> lock(mutex_);
          if (!cv_.wait_until(lock, deadline_, [this] { return stopped_; })) {
            fired_ = true;
            kill(-group, SIGKILL);
          }
        }) {}

  // Stops the watchdog; true when it had fired.
  bool stop() {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      stopped_ = true;
    }
    cv_.notify_one();
    thread_.join();
    return fired_;
  }

private:
  Clock::time_point deadline_;
  std::mutex mutex_;
  std::condition_variable cv_;
  bool stopped_ = false, fired_ = false;
  std::thread thread_;
};

// Kills whatever the program left running in its group, and waits until the
// group is gone. Orphans of the group are ours to reap (we are their subreaper),
// so the group ends with its last member, not when some other reaper gets to it;
// the wait is bounded all the same.
void end_group(pid_t group) {
  kill(-group, SIGKILL);
  const Clock::time_point deadline = Clock::now() + std::chrono::seconds(5);
  while (kill(-group, 0) == 0 && Clock::now() < deadline) {
    while (waitpid(-group, nullptr, WNOHANG) > 0) {
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
}

} // namespace

TrialRun run_trial(const std::string &path, const Trial &trial, double time_limit) {
  TrialRun run;
  int out[2];
  if (pipe2(out, O_CLOEXEC) != 0) {
    run.crashed = true;
    return run;
  }
  prctl(PR_SET_CHILD_SUBREAPER, 1);
  const Clock::time_point start = Clock::now();
  const pid_t pid = fork();
  if (pid == 0) { // the child: only async-signal-safe calls until exec
    setpgid(0, 0);
    const int input = open(trial.input.c_str(), O_RDONLY), quiet = open("/dev/null", O_WRONLY);
    if (input < 0 || quiet < 0 || dup2(input, 0) < 0 || dup2(out[1], 1) < 0 || dup2(quiet, 2) < 0)
      _exit(127);
    char *argv[] = {const_cast<char *>(path.c_str()), nullptr};
    execvp(argv[0], argv);
    _exit(127);
  }
  close(out[1]);
  if (pid < 0) {
    close(out[0]);
    run.crashed = true;
    return run;
  }
  setpgid(pid, pid); // as the child does, so that the group exists whichever runs first
  Watchdog watchdog(pid, time_limit);
  run.outcome = judge_in_process(trial.input, trial.answer, "/dev/fd/" + std::to_string(out[0]), trial.forms);
  char sink[1 << 16]; // what the judge left unread, until the program ends
  while (read(out[0], sink, sizeof sink) > 0) {
  }
  int status = 0;
  waitpid(pid, &status, 0);
  run.seconds = std::chrono::duration<double>(Clock::now() - start).count();
  run.timed_out = watchdog.stop();
  end_group(pid);
  close(out[0]);
  run.by_signal = WIFSIGNALED(status);
  run.status = run.by_signal ? WTERMSIG(status) : WEXITSTATUS(status);
  run.crashed = !run.timed_out && (run.by_signal || run.status != 0);
  return run;
}
