// Running a program under a judge's limits, through the one runner, then the
// judgement of what it wrote.
#include "setter/verification/trial_run.h"

#include <csignal>
#include <cstdio>
#include <cstring>

#include "judge/verdict.h"
#include "setter/language/language.h"
#include "setter/running/runner.h"
#include "setter/validation/judging.h"

namespace {

std::string seconds(double s) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f s", s);
  return text;
}

// The verdict were there no time limit: what the exit and the output say.
Verdict untimed_verdict(const RunRecord &record, const Trial &trial, const std::string &output, const Limits &limits,
                        TrialRun &run) {
  const int signal = record.exited ? 0 : record.status;
  if (signal == SIGXFSZ || record.output_bytes > limits.output_bytes)
    return Verdict::output_limit;
  if (signal != 0 || record.status != 0) {
    run.by_signal = signal != 0;
    run.status = record.status;
    return Verdict::run_time_error;
  }
  run.outcome = judge_in_process(trial.input, trial.answer, output, trial.forms);
  return run.outcome.failed                   ? Verdict::judge_error
         : run.outcome.code == OPTIMAL        ? Verdict::accepted
         : run.outcome.code == CHEAPEST_AT_T ? Verdict::partial
                                              : Verdict::wrong_answer;
}

} // namespace

TrialRun run_trial(const Program &program, const Trial &trial, const Limits &limits, const std::string &work) {
  TrialRun run;
  RunRequest request;
  request.argv = program.argv;
  request.input = trial.input;
  request.output = work + "/output";
  request.wall_seconds = request.cpu_seconds = limits.time * limits.margin;
  request.memory_kib = request.stack_kib = limits.memory_kib; // a stack as large as the memory, as judges give
  request.output_bytes = limits.output_bytes;
  request.processes = limits.processes;
  request.clean_environment = true;
  std::string why;
  const RunRecord record = run_program(request, why);
  if (!record.started) {
    run.verdict = run.at_margin = Verdict::run_time_error;
    run.status = 127;
    return run;
  }
  run.cpu = record.user + record.system;
  run.wall = record.wall;
  run.peak_kib = record.peak_kib;
  run.left = record.left;
  run.processes = record.processes;
  run.killed = record.ended == Ended::wall_time || record.ended == Ended::cpu_time;
  run.on_the_wall = record.ended == Ended::wall_time;
  const int signal = record.exited ? 0 : record.status;
  const bool over_memory = record.ended == Ended::memory || run.peak_kib > limits.memory_kib;
  const bool over_time = run.killed || run.cpu > limits.time || signal == SIGXCPU;
  run.past_margin = run.killed || signal == SIGXCPU || run.cpu > limits.time * limits.margin;
  // Judged where the output counts: within the limit, or within the margin.
  const Verdict untimed = run.killed || over_memory ? Verdict::run_time_error
                                                    : untimed_verdict(record, trial, request.output, limits, run);
  run.verdict = over_memory ? Verdict::memory_limit : over_time ? Verdict::time_limit : untimed;
  run.at_margin = over_memory ? Verdict::memory_limit : run.past_margin ? Verdict::time_limit : untimed;
  std::remove(request.output.c_str());
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
           (run.killed && run.on_the_wall ? say(cpu + " CPU, killed at " + margin + " on the wall clock",
                                                 "CPU " + cpu + "，於實際時間 " + margin + " 時終止")
            : run.killed ? say(cpu + " CPU, killed at " + margin + " of CPU time over its processes",
                               "CPU " + cpu + "，所有行程的 CPU 時間達 " + margin + " 時終止")
            : run.past_margin ? say(cpu + " CPU, past " + margin, "CPU " + cpu + "，超過 " + margin)
                              : say(cpu + " CPU, within the margin " + margin, "CPU " + cpu + "，未超過寬限 " + margin)) +
           ")";
  }
  case Verdict::memory_limit:
    return verdict_text(run) + " (" + memory_text(run.peak_kib) + ")";
  default:
    return verdict_text(run);
  }
}

std::string memory_text(std::int64_t kib) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f MiB", static_cast<double>(kib) / 1024);
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
