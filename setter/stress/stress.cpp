// The search, the shrinking and the test written from them.
#include "setter/stress/stress.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>

#include "setter/families/generator.h"
#include "setter/language/language.h"
#include "setter/running/work_folder.h"
#include "setter/storage/folder.h"
#include "setter/stress/random_instances.h"
#include "setter/stress/small_instance.h"
#include "setter/validation/instance_file.h"
#include "setter/validation/solution.h"
#include "setter/verification/program.h"

namespace fs = std::filesystem;

namespace {

using Clock = std::chrono::steady_clock;

// Shrinking stops after this many runs, or this many seconds: a program slow to
// fail, or a large instance, is not shrunk forever.
constexpr long long kMostShrinkRuns = 3000;
constexpr double kMostShrinkSeconds = 30;

struct Judged {
  bool sound = false;  // the text is a sound test within the bounds
  bool fails = false;  // the program does not score 1 on it
  std::string why;
  std::string total, plan;
};

// Runs the program on text, as verify runs it, when text is a sound test.
Judged judge(const std::string &text, const StressOptions &o, const Program &program, const std::string &work) {
  Judged j;
  const Checked checked = validate_instance(text, "instance", o.bounds);
  if (!checked.reports.empty() || !checked.solvable)
    return j;
  j.sound = true;
  j.total = plain_decimal(checked.best.total) + "\n";
  j.plan = optimal_plan(checked.best);
  const std::string input = work + "/instance.in", answer = work + "/instance.total";
  if (!put_file(input, text) || !put_file(answer, j.total))
    return j;
  const TrialRun run = run_trial(program, {"instance", input, answer, AnswerForms::total}, o.limits, work);
  j.fails = run.verdict != Verdict::accepted && run.verdict != Verdict::judge_error;
  j.why = why_not_accepted(run, o.limits);
  return j;
}

// Shrinks instance while the program still fails on it: each smaller form in
// turn, the first that fails kept, until none does.
Judged shrink(SmallInstance &instance, Judged failing, const StressOptions &o, const Program &program,
              const std::string &work, StressFind &find) {
  const Clock::time_point begin = Clock::now();
  const auto spent = [&] {
    return find.shrink_runs >= kMostShrinkRuns ||
           std::chrono::duration<double>(Clock::now() - begin).count() > kMostShrinkSeconds;
  };
  for (bool smaller = true; smaller && !spent();) {
    smaller = false;
    for (const ShrinkStep &step : shrink_steps(instance)) {
      if (spent())
        break;
      const SmallInstance form = shrunk(instance, step);
      const Judged j = judge(write_small(form), o, program, work);
      find.shrink_runs += j.sound;
      if (j.fails) {
        instance = form;
        failing = j;
        smaller = true;
        break;
      }
    }
  }
  return failing;
}

// A name in o.out that no file has yet.
std::string free_base(const StressOptions &o, const std::string &stem) {
  std::error_code failure;
  for (int i = 1;; ++i) {
    const std::string base = (fs::path(o.out) / (stem + "-" + o.seed + (i > 1 ? "-" + std::to_string(i) : ""))).string();
    if (!fs::exists(base + ".in", failure))
      return base;
  }
}

std::string command_of(const std::vector<std::string> &args) {
  std::string text = "setter generate";
  for (const std::string &a : args)
    text += " " + a;
  return text;
}

} // namespace

std::string stress(const StressOptions &o, StressFind &find, const std::function<void(const std::string &)> &progress) {
  find = {};
  std::string error;
  WorkFolder work = make_work_folder("setter_stress", error);
  Program program;
  if (error.empty())
    error = prepare_program(o.program, work.path, program);
  const Clock::time_point begin = Clock::now();
  Random random = random_from("stress|" + o.seed);
  std::vector<std::string> args;
  std::string text;
  Judged judged;
  while (error.empty() && !find.found && (o.instances <= 0 || find.tried < o.instances) &&
         std::chrono::duration<double>(Clock::now() - begin).count() < o.seconds) {
    args = random_instance_args(random, o.families, o.bounds);
    if (!generate_instance(args, text).empty() || !(judged = judge(text, o, program, work.path)).sound)
      continue; // arguments that suit no instance, or one beyond the bounds: draw again
    ++find.tried;
    find.found = judged.fails;
    progress(say("stress: " + std::to_string(find.tried) + " instances", "壓力測試：" + std::to_string(find.tried) + " 組"));
  }
  find.seconds = std::chrono::duration<double>(Clock::now() - begin).count();
  SmallInstance instance;
  if (find.found && read_small(text, instance)) {
    find.n_found = static_cast<std::size_t>(instance.n), find.m_found = instance.portals.size();
    progress(say("stress: shrinking", "壓力測試：縮小中"));
    judged = shrink(instance, judged, o, program, work.path, find);
    find.n_kept = static_cast<std::size_t>(instance.n), find.m_kept = instance.portals.size();
    find.why = judged.why;
    find.test = free_base(o, fs::path(o.program).stem().string());
    const std::string desc = "Found by setter stress --seed " + o.seed + ": " + o.program + " failed (" + judged.why +
                             ") on instance " + std::to_string(find.tried) + ", made by " + command_of(args) +
                             ", and shrunk from N = " + std::to_string(find.n_found) + ", M = " +
                             std::to_string(find.m_found) + " to N = " + std::to_string(find.n_kept) + ", M = " +
                             std::to_string(find.m_kept) + ".\n";
    if (!put_file(find.test + ".in", write_small(instance)) || !put_file(find.test + ".total", judged.total) ||
        !put_file(find.test + ".ans", judged.plan) || !put_file(find.test + ".desc", desc))
      error = say("cannot write ", "無法寫入 ") + find.test + ".*";
  }
  end_work_folder(work);
  return error;
}
