// verify's report of what programs did over a package's tests.
#pragma once
#include <string>
#include <vector>

#include "setter/packaging/package_view.h"
#include "setter/verification/verify.h"

// The table of tallies, one row per program, for standard output (with the
// Kattis verifier's result in a scoring package); with subtasks, a second table
// of the points each program earns on each, rounded to the package's
// precision.
std::string tally_table(const std::vector<Entry> &entries, const std::vector<Tally> &tallies, const PackageView &view);

// One run as one line, for --runs.
std::string run_line(const Entry &entry, const Trial &trial, const TrialRun &run);
