// Tallying verdicts, checking expectations and printing them as one table.
#include "setter/verification/verify.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>

#include "judge/verdict.h"
#include "setter/language/language.h"
#include "setter/validation/instance_file.h"

namespace {

std::string seconds(double s) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f s", s);
  return text;
}

// Why a run did not score 1, in a few words.
std::string why(const TrialRun &run, const Limits &limits) {
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

// The score of a run: 1, 0.3 or 0.
double score_of(const TrialRun &run) {
  return run.verdict == Verdict::accepted ? 1 : run.verdict == Verdict::partial ? 0.3 : 0;
}

// Whether the subtasks earned in full are exactly those the entry declares.
bool earns_as_declared(const Entry &e, const Tally &t, const std::vector<SubtaskScore> &subtasks) {
  for (std::size_t i = 0; i < subtasks.size(); ++i) {
    const bool earned = t.subtask_share[i] == 1;
    if (earned != (std::find(e.earns.begin(), e.earns.end(), subtasks[i].name) != e.earns.end()))
      return false;
  }
  return std::all_of(e.earns.begin(), e.earns.end(), [&](const std::string &name) {
    return std::any_of(subtasks.begin(), subtasks.end(), [&](const SubtaskScore &s) { return s.name == name; });
  });
}

bool met(Expect expect, const Tally &t, std::size_t tests) {
  if (t.count[static_cast<int>(Verdict::judge_error)] > 0)
    return false;
  const Verdict first = t.first_miss.verdict;
  switch (expect) {
  case Expect::accepted:
    return t.count[static_cast<int>(Verdict::accepted)] == static_cast<int>(tests);
  case Expect::wrong_answer:
    return t.missed && (first == Verdict::wrong_answer || first == Verdict::partial);
  case Expect::time_limit: // a time-out within the margin, then one past it, passes as the Kattis verifier passes it
    return t.missed && first == Verdict::time_limit && t.past_margin;
  case Expect::run_time_error:
    return t.missed && first == Verdict::run_time_error;
  case Expect::nothing:
    return true;
  }
  return false;
}

} // namespace

std::vector<Tally> verify_programs(const std::vector<Entry> &entries, const std::vector<Trial> &trials,
                                   const std::vector<SubtaskScore> &subtasks, const Limits &limits,
                                   const std::string &work, bool every_test,
                                   const std::function<void(const Entry &, const Trial &, const TrialRun &)> &each) {
  std::vector<Tally> tallies(entries.size());
  std::vector<std::vector<std::size_t>> subtasks_of(trials.size());
  // A test linked into several groups is one file: run once, counted in each.
  std::vector<std::size_t> first_of(trials.size());
  std::map<std::string, std::size_t> by_file;
  for (std::size_t i = 0; i < trials.size(); ++i) {
    std::error_code failure;
    const std::string file = std::filesystem::weakly_canonical(trials[i].input, failure).string();
    first_of[i] = by_file.emplace(failure ? trials[i].input : file, i).first->second;
  }
  for (std::size_t s = 0; s < subtasks.size(); ++s)
    for (const std::size_t i : subtasks[s].trials)
      subtasks_of[i].push_back(s);
  for (std::size_t p = 0; p < entries.size(); ++p) {
    Tally &t = tallies[p];
    t.subtask_share.assign(subtasks.size(), 1);
    std::map<std::size_t, TrialRun> runs; // by the first trial of each file
    const Expect expect = entries[p].expect;
    const bool stop_at_miss =
        !every_test && subtasks.empty() && expect != Expect::accepted && expect != Expect::nothing;
    for (std::size_t index = 0; index < trials.size(); ++index) {
      const Trial &trial = trials[index];
      // Once every subtask a test is in has a test scored 0, the test settles nothing.
      const auto settled = [&](std::size_t s) { return t.subtask_share[s] == 0; };
      if (!every_test && !subtasks_of[index].empty() &&
          std::all_of(subtasks_of[index].begin(), subtasks_of[index].end(), settled))
        continue;
      const auto earlier = runs.find(first_of[index]);
      const bool again = earlier != runs.end();
      const TrialRun run = again ? earlier->second : runs[index] = run_trial(entries[p].program, trial, limits, work);
      for (const std::size_t s : subtasks_of[index])
        t.subtask_share[s] = std::min(t.subtask_share[s], score_of(run));
      if (!again)
        each(entries[p], trial, run);
      ++t.runs;
      ++t.count[static_cast<int>(run.verdict)];
      t.slowest = std::max(t.slowest, run.cpu);
      if (run.peak_kib > t.peak_kib || (run.peak_kib == t.peak_kib && !run.below))
        t.peak_kib = run.peak_kib, t.peak_below = run.below;
      t.past_margin = t.past_margin || (run.verdict == Verdict::time_limit && run.past_margin);
      if (run.verdict != Verdict::accepted && !t.missed) {
        t.missed = true;
        t.first_miss = run;
        t.first_miss_test = trial.name;
        t.first_miss_why = why(run, limits);
      }
      // A time-out within the margin settles nothing for a slow one: the verifier runs on.
      const bool unsettled = expect == Expect::time_limit && run.verdict == Verdict::time_limit && !run.past_margin;
      if (stop_at_miss && t.missed && run.verdict != Verdict::accepted && !unsettled)
        break;
    }
    t.met = met(entries[p].expect, t, trials.size()) &&
            (!entries[p].declares_earns || earns_as_declared(entries[p], t, subtasks));
  }
  return tallies;
}

std::string expect_text(Expect e) {
  switch (e) {
  case Expect::accepted:
    return say("accepted", "通過");
  case Expect::wrong_answer:
    return say("wrong answer", "答案錯誤");
  case Expect::time_limit:
    return say("time limit exceeded", "超過時間限制");
  case Expect::run_time_error:
    return say("run-time error", "執行期錯誤");
  case Expect::nothing:
    return "-";
  }
  return {};
}

namespace {

std::string subtask_table(const std::vector<Entry> &entries, const std::vector<Tally> &tallies,
                          const std::vector<SubtaskScore> &subtasks, std::size_t width) {
  char cell[256];
  std::string table = "\n";
  std::snprintf(cell, sizeof cell, "%-*s ", static_cast<int>(width), say("points per subtask", "各子任務得分").c_str());
  table += cell;
  for (const SubtaskScore &s : subtasks) {
    std::snprintf(cell, sizeof cell, " %12s", (s.name + "(" + plain_decimal(s.points) + ")").c_str());
    table += cell;
  }
  table += say("        total  earns in full (declared)\n", "          總分  全部得分的子任務（宣告）\n");
  for (std::size_t i = 0; i < entries.size(); ++i) {
    std::snprintf(cell, sizeof cell, "%-*s ", static_cast<int>(width), entries[i].program.shown.c_str());
    table += cell;
    double total = 0;
    std::string full;
    for (std::size_t s = 0; s < subtasks.size(); ++s) {
      const double points = subtasks[s].points * tallies[i].subtask_share[s];
      total += points;
      if (tallies[i].subtask_share[s] == 1)
        full += (full.empty() ? "" : " ") + subtasks[s].name;
      std::snprintf(cell, sizeof cell, " %12s", plain_decimal(points).c_str());
      table += cell;
    }
    std::string declared;
    for (const std::string &name : entries[i].earns)
      declared += (declared.empty() ? "" : " ") + name;
    std::snprintf(cell, sizeof cell, " %12s", plain_decimal(total).c_str());
    table += cell + std::string("  ") + (full.empty() ? "-" : full) +
             (entries[i].declares_earns ? " (" + (declared.empty() ? "none" : declared) + ")" : "") + "\n";
  }
  return table;
}

} // namespace

std::string tally_table(const std::vector<Entry> &entries, const std::vector<Tally> &tallies,
                        const std::vector<SubtaskScore> &subtasks) {
  std::size_t width = 7;
  for (const Entry &e : entries)
    width = std::max(width, e.program.shown.size());
  char line[1024];
  std::snprintf(line, sizeof line, "%-*s  %-20s %5s %5s %5s %5s %5s %5s %5s %9s %11s  %s\n", static_cast<int>(width),
                say("program", "程式").c_str(), say("expected", "預期").c_str(), "1", "0.3", "WA", "TLE", "MLE", "OLE",
                "RTE", say("slowest", "最慢").c_str(), say("peak memory", "最高記憶體").c_str(),
                say("first test below 1", "第一組未得 1 分的測資").c_str());
  std::string table = line;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const Tally &t = tallies[i];
    std::snprintf(line, sizeof line, "%-*s  %-20s %5d %5d %5d %5d %5d %5d %5d %9s %11s  ", static_cast<int>(width),
                  entries[i].program.shown.c_str(), expect_text(entries[i].expect).c_str(),
                  t.count[static_cast<int>(Verdict::accepted)], t.count[static_cast<int>(Verdict::partial)],
                  t.count[static_cast<int>(Verdict::wrong_answer)], t.count[static_cast<int>(Verdict::time_limit)],
                  t.count[static_cast<int>(Verdict::memory_limit)], t.count[static_cast<int>(Verdict::output_limit)],
                  t.count[static_cast<int>(Verdict::run_time_error)], seconds(t.slowest).c_str(),
                  memory_text(t.peak_kib, t.peak_below).c_str());
    table += line + (t.missed ? t.first_miss_test + ": " + t.first_miss_why : std::string("-")) +
             (t.met ? "" : say("  << NOT AS EXPECTED", "  << 與預期不符")) + "\n";
    if (const int failures = t.count[static_cast<int>(Verdict::judge_error)]; failures > 0)
      table += say("  " + counted(failures, "judge error") + ": the test set itself is broken\n",
                   "  " + std::to_string(failures) + " 次評測資料錯誤：測資本身有誤\n");
  }
  return subtasks.empty() ? table : table + subtask_table(entries, tallies, subtasks, width);
}

std::string run_line(const Entry &entry, const Trial &trial, const TrialRun &run) {
  return entry.program.shown + " " + trial.name + ": " + verdict_text(run) + ", " + seconds(run.cpu) + ", " +
         memory_text(run.peak_kib, run.below) + "\n";
}
