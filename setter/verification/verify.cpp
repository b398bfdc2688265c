// Tallying verdicts and printing them as one table.
#include "setter/verification/verify.h"

#include <algorithm>
#include <cstdio>

#include "judge/verdict.h"
#include "setter/verification/trial_run.h"

namespace {

std::string seconds(double s) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f s", s);
  return text;
}

// Why a run did not score 1, in a few words.
std::string miss(const TrialRun &run, double time_limit) {
  if (run.timed_out)
    return "time-out (over " + seconds(time_limit) + ")";
  if (run.crashed)
    return run.by_signal ? "crashed (signal " + std::to_string(run.status) + ")"
                         : "crashed (exit status " + std::to_string(run.status) + ")";
  return run.outcome.failed ? run.outcome.failure : run.outcome.message->text;
}

void tally(Tally &t, const TrialRun &run, const Trial &trial, double time_limit) {
  t.slowest = std::max(t.slowest, run.seconds);
  const bool scored_one = !run.timed_out && !run.crashed && !run.outcome.failed && run.outcome.code == OPTIMAL;
  if (run.timed_out || run.crashed)
    ++t.failed;
  else if (run.outcome.failed)
    ++t.checker_failures;
  else
    ++(run.outcome.code == OPTIMAL ? t.optimal : run.outcome.code == CHEAPEST_AT_T ? t.cheapest_at_t : t.rejected);
  if (!scored_one && t.first_miss.empty())
    t.first_miss = trial.name + ": " + miss(run, time_limit);
}

} // namespace

std::vector<Tally> verify_programs(const std::vector<Program> &programs, const std::vector<Trial> &trials,
                                   double time_limit, const std::function<void(const std::string &)> &progress) {
  std::vector<Tally> tallies(programs.size());
  for (std::size_t p = 0; p < programs.size(); ++p) {
    for (std::size_t i = 0; i < trials.size(); ++i) {
      progress(programs[p].path + " on " + trials[i].name + " (" + std::to_string(i + 1) + "/" +
               std::to_string(trials.size()) + ")");
      tally(tallies[p], run_trial(programs[p].path, trials[i], time_limit), trials[i], time_limit);
    }
    Tally &t = tallies[p];
    const bool all_one = t.optimal == static_cast<int>(trials.size());
    t.met = t.checker_failures == 0 && (programs[p].expect == Expect::accepted ? all_one
                                        : programs[p].expect == Expect::wrong  ? !all_one
                                                                               : true);
  }
  return tallies;
}

std::string tally_table(const std::vector<Program> &programs, const std::vector<Tally> &tallies) {
  std::size_t width = 7;
  for (const Program &p : programs)
    width = std::max(width, p.path.size());
  char line[512];
  std::snprintf(line, sizeof line, "%-*s  %-8s %5s %5s %5s %6s %9s  %s\n", static_cast<int>(width), "program", "expected",
                "1", "0.3", "0", "failed", "slowest", "first test below 1");
  std::string table = line;
  for (std::size_t i = 0; i < programs.size(); ++i) {
    const Tally &t = tallies[i];
    const Expect e = programs[i].expect;
    std::snprintf(line, sizeof line, "%-*s  %-8s %5d %5d %5d %6d %9s  ", static_cast<int>(width),
                  programs[i].path.c_str(),
                  e == Expect::accepted ? "accepted" : e == Expect::wrong ? "wrong" : "-", t.optimal, t.cheapest_at_t,
                  t.rejected, t.failed, seconds(t.slowest).c_str());
    table += line + (t.first_miss.empty() ? std::string("-") : t.first_miss) + (t.met ? "" : "  << NOT AS EXPECTED") + "\n";
    if (t.checker_failures > 0)
      table += "  " + std::to_string(t.checker_failures) + " checker failures: the test set itself is broken\n";
  }
  return table;
}
