// Running programs over a package's tests, tallying verdicts and holding each
// program to what is expected of it.
#include "setter/verification/verify.h"

#include <algorithm>
#include <filesystem>
#include <map>

#include "setter/language/language.h"
#include "setter/verification/kattis_grading.h"
#include "setter/verification/processes.h"

namespace {

// The score of a verdict: 1, 0.3 or 0.
double score_of(Verdict verdict) { return verdict == Verdict::accepted ? 1 : verdict == Verdict::partial ? 0.3 : 0; }

// Whether the subtasks earned in full are exactly those the entry declares.
bool earns_as_declared(const Entry &e, const Tally &t, const std::vector<GroupScore> &subtasks) {
  for (std::size_t i = 0; i < subtasks.size(); ++i) {
    const bool earned = t.subtask_share[i] == 1;
    if (earned != (std::find(e.earns.begin(), e.earns.end(), subtasks[i].name) != e.earns.end()))
      return false;
  }
  return true;
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
  case Expect::partially_accepted: // only a scoring package files programs so; its grading decides
  case Expect::nothing:
    return true;
  }
  return false;
}

// The first trial of each file: a test linked into several groups is one file,
// run once and counted in each.
std::vector<std::size_t> first_of_each_file(const std::vector<Trial> &trials) {
  std::vector<std::size_t> first(trials.size());
  std::map<std::string, std::size_t> by_file;
  for (std::size_t i = 0; i < trials.size(); ++i) {
    std::error_code failure;
    const std::string file = std::filesystem::weakly_canonical(trials[i].input, failure).string();
    first[i] = by_file.emplace(failure ? trials[i].input : file, i).first->second;
  }
  return first;
}

void count(const TrialRun &run, const Trial &trial, const Limits &limits, Tally &t) {
  ++t.runs;
  ++t.count[static_cast<int>(run.verdict)];
  t.slowest = std::max(t.slowest, run.cpu);
  t.peak_kib = std::max(t.peak_kib, run.peak_kib);
  t.left += run.left;
  t.past_margin = t.past_margin || (run.verdict == Verdict::time_limit && run.past_margin);
  if (run.verdict != Verdict::accepted && !t.missed) {
    t.missed = true;
    t.first_miss = run;
    t.first_miss_test = trial.name;
    t.first_miss_why = why_not_accepted(run, limits);
  }
}

} // namespace

std::vector<Tally> verify_programs(const std::vector<Entry> &entries, const PackageView &view, const Limits &limits,
                                   const std::string &work, bool every_test,
                                   const std::function<void(const Entry &, const Trial &, const TrialRun &)> &each) {
  const std::vector<Trial> &trials = view.trials;
  const bool kattis_scoring = view.kind == PackageKind::kattis_scoring;
  std::vector<Tally> tallies(entries.size());
  std::vector<std::vector<std::size_t>> subtasks_of(trials.size());
  for (std::size_t s = 0; s < view.subtasks.size(); ++s)
    for (const std::size_t i : view.subtasks[s].trials)
      subtasks_of[i].push_back(s);
  const std::vector<std::size_t> first_of = first_of_each_file(trials);
  for (std::size_t p = 0; p < entries.size(); ++p) {
    Tally &t = tallies[p];
    t.subtask_share.assign(view.subtasks.size(), 1);
    // A group is settled by a rejection: at the limit, or for the Kattis
    // verifier, which grades at the margin too, past it.
    std::vector<bool> settled(view.subtasks.size(), false);
    std::map<std::size_t, TrialRun> runs; // by the first trial of each file
    std::vector<const TrialRun *> run_of(trials.size(), nullptr);
    const Expect expect = entries[p].expect;
    const bool stop_at_miss = !every_test && view.subtasks.empty() && expect != Expect::accepted &&
                              expect != Expect::nothing && expect != Expect::partially_accepted;
    for (std::size_t index = 0; index < trials.size(); ++index) {
      const Trial &trial = trials[index];
      if (!every_test && !subtasks_of[index].empty() &&
          std::all_of(subtasks_of[index].begin(), subtasks_of[index].end(), [&](std::size_t s) { return settled[s]; }))
        continue;
      const auto earlier = runs.find(first_of[index]);
      const bool again = earlier != runs.end();
      const TrialRun &run = again ? earlier->second : runs[index] = run_trial(entries[p].program, trial, limits, work);
      run_of[index] = &run;
      for (const std::size_t s : subtasks_of[index]) {
        t.subtask_share[s] = std::min(t.subtask_share[s], score_of(run.verdict));
        settled[s] = settled[s] || score_of(kattis_scoring ? run.at_margin : run.verdict) == 0;
      }
      if (interruption())
        return tallies; // the run was stopped: nothing more is judged
      if (!again)
        each(entries[p], trial, run);
      count(run, trial, limits, t);
      // A time-out within the margin settles nothing for a slow one: the verifier runs on.
      const bool unsettled = expect == Expect::time_limit && run.verdict == Verdict::time_limit && !run.past_margin;
      if (stop_at_miss && t.missed && run.verdict != Verdict::accepted && !unsettled)
        break;
    }
    // In a Kattis scoring package, the folders mean what the verifier makes of them.
    if (kattis_scoring) {
      t.judge_says = kattis_result_text(kattis_result(view, run_of, false));
      t.complaint = kattis_complaint(expect, view, run_of);
    }
    const bool as_filed = kattis_scoring ? t.complaint.empty() && t.count[static_cast<int>(Verdict::judge_error)] == 0
                                         : met(expect, t, trials.size());
    t.met = as_filed && (!entries[p].declares_earns || earns_as_declared(entries[p], t, view.subtasks));
  }
  return tallies;
}
