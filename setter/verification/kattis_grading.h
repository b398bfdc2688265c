// What the Kattis verifier makes of a program's runs in a scoring package: each
// test group graded as the package's graders grade it, and the program's
// folder held to the result as the verifier holds it.
#pragma once
#include <string>
#include <vector>

#include "setter/packaging/package_view.h"
#include "setter/verification/expectation.h"
#include "setter/verification/trial_run.h"

struct KattisResult {
  std::string verdict = "AC"; // AC, WA, TLE, RTE or JE
  double score = 0;
};

// The verifier's result over view's tests with the time limit at the limit
// (at_margin false) or at the margin: each subtask group stops at its first
// rejected test and scores its points times the least score of the tests it
// ran (its verdict their first error); the secret group is accepted when any
// group is (else the worst error), scoring their sum. runs holds one run per
// trial, null for a trial not run.
KattisResult kattis_result(const PackageView &view, const std::vector<const TrialRun *> &runs, bool at_margin);

// Whether a sample test is rejected at the limit.
bool kattis_sample_failed(const PackageView &view, const std::vector<const TrialRun *> &runs);

// The verifier's complaint about a program filed where expect says, as it words
// it ("TLE submission got AC (12)"); an empty string when it has none.
std::string kattis_complaint(Expect expect, const PackageView &view, const std::vector<const TrialRun *> &runs);

// The verifier's words for a result: "AC (12)".
std::string kattis_result_text(const KattisResult &result);
