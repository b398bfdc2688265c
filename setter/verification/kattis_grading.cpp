// The Kattis verifier's grading of a scoring package, as the package's graders
// and its testdata.yaml files make it: each subtask group breaks at its first
// rejection and takes its points times the least score; the secret group
// accepts when any group does, and sums.
#include "setter/verification/kattis_grading.h"

#include <algorithm>
#include <cstdio>

namespace {

// A run as the output validator and the verifier see it, at the limit or at the
// margin: its verdict and its score (1, 0.3, or the reject score 0).
KattisResult test_result(const TrialRun &run, bool at_margin) {
  switch (at_margin ? run.at_margin : run.verdict) {
  case Verdict::accepted:
    return {"AC", 1};
  case Verdict::partial:
    return {"AC", 0.3};
  case Verdict::wrong_answer:
    return {"WA", 0};
  case Verdict::time_limit:
    return {"TLE", 0};
  case Verdict::judge_error:
    return {"JE", 0};
  default: // memory, output, a crash: the verifier's run-time error
    return {"RTE", 0};
  }
}

// The default grader's worst_error: the first of its order among the verdicts.
std::string worst_error(const std::vector<std::string> &verdicts) {
  static const char *const kOrder[] = {"JE", "IF", "RTE", "MLE", "TLE", "OLE", "WA", "PE", "AC"};
  for (const char *verdict : kOrder)
    if (std::find(verdicts.begin(), verdicts.end(), verdict) != verdicts.end())
      return verdict;
  return "AC";
}

// A subtask group: its tests until the first rejected one, the first error of
// those, and its points times their least score.
KattisResult group_result(const GroupScore &group, const std::vector<const TrialRun *> &runs, bool at_margin) {
  KattisResult result{"AC", group.points};
  double least = 1;
  for (const std::size_t trial : group.trials) {
    if (!runs[trial])
      break; // not run: the verifier broke off before it too
    const KattisResult test = test_result(*runs[trial], at_margin);
    least = std::min(least, test.score);
    if (test.verdict != "AC") {
      result.verdict = test.verdict;
      break;
    }
  }
  result.score = group.points * least;
  return result;
}

double full_score(const PackageView &view) {
  double total = 0;
  for (const GroupScore &g : view.subtasks)
    total += g.points;
  return total;
}

} // namespace

KattisResult kattis_result(const PackageView &view, const std::vector<const TrialRun *> &runs, bool at_margin) {
  std::vector<std::string> verdicts;
  KattisResult secret{"AC", 0};
  for (const GroupScore &group : view.subtasks) {
    const KattisResult r = group_result(group, runs, at_margin);
    verdicts.push_back(r.verdict);
    secret.score += r.score;
  }
  const bool any_accepted = std::find(verdicts.begin(), verdicts.end(), "AC") != verdicts.end();
  secret.verdict = any_accepted ? "AC" : worst_error(verdicts);
  return secret;
}

bool kattis_sample_failed(const PackageView &view, const std::vector<const TrialRun *> &runs) {
  for (std::size_t i = 0; i < view.trials.size(); ++i)
    if (view.trials[i].name.rfind("sample/", 0) == 0 && runs[i] && test_result(*runs[i], false).verdict != "AC")
      return true;
  return false;
}

std::string kattis_result_text(const KattisResult &result) {
  char score[32];
  std::snprintf(score, sizeof score, "%g", result.score);
  return result.verdict + " (" + score + ")";
}

std::string kattis_complaint(Expect expect, const PackageView &view, const std::vector<const TrialRun *> &runs) {
  if (expect == Expect::nothing)
    return {};
  const KattisResult result = kattis_result(view, runs, false), high = kattis_result(view, runs, true);
  const double full = full_score(view);
  const std::string submission = expect_acronym(expect) + " submission got ";
  const auto fully = [&](const KattisResult &r) { return r.verdict == "AC" && r.score == full; };
  if (expect == Expect::partially_accepted) {
    if (fully(result))
      return submission + kattis_result_text(result);
    if (result.verdict == "AC" || (high.verdict == "AC" && !fully(high)))
      return {};
    return submission + kattis_result_text(result);
  }
  const std::string wanted = expect_acronym(expect);
  if (result.verdict == wanted) {
    if (expect == Expect::accepted && kattis_sample_failed(view, runs))
      return "AC submission fails a sample";
    if (expect == Expect::accepted && !fully(result))
      return "AC submission did not attain full score (" + kattis_result_text(result) + ")";
    return {};
  }
  if (high.verdict == wanted)
    return {};
  return submission + kattis_result_text(result);
}
