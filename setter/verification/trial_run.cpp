// Running a program under a judge's limits: a child in a group of its own, a
// poll of its exit, its wall time and its memory, then the judgement.
#include "setter/verification/trial_run.h"

#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "judge/verdict.h"
#include "setter/language/language.h"
#include "setter/validation/judging.h"
#include "setter/verification/processes.h"

namespace {

std::string seconds(double s) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f s", s);
  return text;
}

using Clock = std::chrono::steady_clock;

// The resident memory of pid now, in KiB; 0 when it cannot be read.
std::int64_t resident_kib(pid_t pid) {
  char path[64], text[128];
  std::snprintf(path, sizeof path, "/proc/%d/statm", static_cast<int>(pid));
  const int fd = open(path, O_RDONLY);
  if (fd < 0)
    return 0;
  const ssize_t got = read(fd, text, sizeof text - 1);
  close(fd);
  if (got <= 0)
    return 0;
  text[got] = '\0';
  long long size = 0, resident = 0;
  if (std::sscanf(text, "%lld %lld", &size, &resident) != 2)
    return 0;
  return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

void set_limit(int resource, rlim_t value) {
  const rlimit limit{value, value};
  setrlimit(resource, &limit);
}

// The child: only async-signal-safe calls until exec.
[[noreturn]] void start(const std::vector<char *> &argv, const char *input, int output, const Limits &limits,
                        pid_t parent) {
  setpgid(0, 0);
  prctl(PR_SET_PDEATHSIG, SIGKILL); // should verify die unannounced
  if (getppid() != parent)
    _exit(127);
  unblock_signals_in_child();
  const int in = open(input, O_RDONLY), quiet = open("/dev/null", O_WRONLY);
  if (in < 0 || quiet < 0 || dup2(in, 0) < 0 || dup2(output, 1) < 0 || dup2(quiet, 2) < 0)
    _exit(127);
  // Writing past the output limit raises SIGXFSZ; CPU time past the margin, SIGKILL.
  set_limit(RLIMIT_FSIZE, static_cast<rlim_t>(limits.output_bytes) + 1);
  set_limit(RLIMIT_CPU, static_cast<rlim_t>(std::ceil(limits.time * limits.margin)) + 1);
  set_limit(RLIMIT_CORE, 0);
  set_limit(RLIMIT_STACK, static_cast<rlim_t>(limits.memory_kib) * 1024);
  execvp(argv[0], argv.data());
  _exit(127);
}

} // namespace

TrialRun run_trial(const Program &program, const Trial &trial, const Limits &limits, const std::string &work) {
  TrialRun run;
  const std::string output = work + "/output";
  const int out = open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  std::vector<char *> argv;
  for (const std::string &a : program.argv)
    argv.push_back(const_cast<char *>(a.c_str()));
  argv.push_back(nullptr);
  const pid_t parent = getpid();
  // The kernel counts a child's memory from the fork, this process's own
  // included: a peak no higher than that is all one can say of a small program.
  const std::int64_t forked_with = resident_kib(parent);
  const Clock::time_point begin = Clock::now();
  const pid_t pid = start_owned([&] {
    const pid_t child = out < 0 ? -1 : fork();
    if (child == 0)
      start(argv, trial.input.c_str(), out, limits, parent);
    if (child > 0)
      setpgid(child, child); // as the child does, so that the group exists whichever runs first
    return child;
  });
  if (out >= 0)
    close(out);
  if (pid < 0) {
    run.verdict = Verdict::run_time_error;
    run.status = 127;
    return run;
  }
  const Clock::time_point deadline =
      begin + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(limits.time * limits.margin));
  int status = 0;
  rusage usage{};
  bool out_of_time = false, out_of_memory = false;
  for (int naps = 0; wait4(pid, &status, WNOHANG, &usage) == 0; ++naps) {
    out_of_time = Clock::now() > deadline;
    out_of_memory = resident_kib(pid) > limits.memory_kib;
    if (out_of_time || out_of_memory) {
      kill(-pid, SIGKILL);
      wait4(pid, &status, 0, &usage);
      break;
    }
    std::this_thread::sleep_for(std::chrono::microseconds(naps < 100 ? 200 : 2000));
  }
  run.wall = std::chrono::duration<double>(Clock::now() - begin).count();
  end_descendants(pid);
  end_owned();
  run.cpu = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
            static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
  run.peak_kib = usage.ru_maxrss;
  run.below = run.peak_kib <= forked_with + 1024;
  const int signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
  struct stat written {};
  // Past the limit, whichever process of the program wrote it.
  const bool too_much_output = stat(output.c_str(), &written) == 0 && written.st_size > limits.output_bytes;
  // The verdict without a time limit; only a clean exit's output is judged.
  Verdict untimed = Verdict::accepted;
  if (signal == SIGXFSZ || too_much_output) {
    untimed = Verdict::output_limit;
  } else if (signal != 0 || WEXITSTATUS(status) != 0) {
    untimed = Verdict::run_time_error;
    run.by_signal = signal != 0;
    run.status = signal != 0 ? signal : WEXITSTATUS(status);
  } else if (!out_of_time) {
    run.outcome = judge_in_process(trial.input, trial.answer, output, trial.forms);
    untimed = run.outcome.failed                   ? Verdict::judge_error
              : run.outcome.code == OPTIMAL        ? Verdict::accepted
              : run.outcome.code == CHEAPEST_AT_T ? Verdict::partial
                                                   : Verdict::wrong_answer;
  }
  const bool over_time = out_of_time || run.cpu > limits.time || signal == SIGXCPU;
  run.killed = out_of_time;
  run.past_margin = out_of_time || signal == SIGXCPU || run.cpu > limits.time * limits.margin;
  const bool out_of_memory_anyway = out_of_memory || run.peak_kib > limits.memory_kib;
  run.verdict = out_of_memory_anyway ? Verdict::memory_limit : over_time ? Verdict::time_limit : untimed;
  run.at_margin = out_of_memory_anyway ? Verdict::memory_limit : run.past_margin ? Verdict::time_limit : untimed;
  std::remove(output.c_str());
  return run;
}

std::string why_not_accepted(const TrialRun &run, const Limits &limits) {
  switch (run.verdict) {
  case Verdict::partial:
  case Verdict::wrong_answer:
    return verdict_text(run) + ": " + text_of(*run.outcome.message);
  case Verdict::judge_error:
    return verdict_text(run) + ": " + run.outcome.failure;
  case Verdict::time_limit: {
    const std::string cpu = seconds(run.cpu), margin = seconds(limits.time * limits.margin);
    return verdict_text(run) + " (" +
           (run.killed ? say(cpu + " CPU, killed at " + margin + " on the wall clock",
                             "CPU " + cpu + "，於實際時間 " + margin + " 時終止")
            : run.past_margin ? say(cpu + " CPU, past " + margin, "CPU " + cpu + "，超過 " + margin)
                              : say(cpu + " CPU, within the margin " + margin, "CPU " + cpu + "，未超過寬限 " + margin)) +
           ")";
  }
  case Verdict::memory_limit:
    return verdict_text(run) + " (" + memory_text(run.peak_kib, run.below) + ")";
  default:
    return verdict_text(run);
  }
}

std::string memory_text(std::int64_t kib, bool below) {
  char text[32];
  std::snprintf(text, sizeof text, "%s%.1f MiB", below ? "<= " : "", static_cast<double>(kib) / 1024);
  return text;
}

std::string verdict_text(const TrialRun &run) {
  switch (run.verdict) {
  case Verdict::accepted:
    return say("accepted", "通過");
  case Verdict::partial:
    return say("0.3", "0.3 分");
  case Verdict::wrong_answer:
    return say("wrong answer", "答案錯誤");
  case Verdict::time_limit:
    return say("time limit exceeded", "超過時間限制");
  case Verdict::memory_limit:
    return say("memory limit exceeded", "超過記憶體限制");
  case Verdict::output_limit:
    return say("output limit exceeded", "超過輸出限制");
  case Verdict::run_time_error: {
    const std::string number = std::to_string(run.status);
    if (!run.by_signal)
      return say("run-time error (exit status " + number + ")", "執行期錯誤（結束狀態 " + number + "）");
    const char *name = sigabbrev_np(run.status);
    const std::string named = name ? " SIG" + std::string(name) : "";
    return say("run-time error (signal " + number + named + ")", "執行期錯誤（訊號 " + number + named + "）");
  }
  case Verdict::judge_error:
    return say("judge error", "評測資料錯誤");
  }
  return {};
}
