// The default test set's tests, by the generator arguments that make them.
#include "setter/testset/default_tests.h"

#include <algorithm>
#include <tuple>

namespace {

// The families at every size; each name says what it is there to catch.
const char *const kEveryFamily[] = {"random",    "chain",      "duplicates", "dear-copies", "loops",   "negative",
                                    "best-at-0", "best-at-T",  "ties",       "peak-late",   "peak-early", "x-decides",
                                    "star",      "extremes",   "near-tie",   "close-costs"};

} // namespace

std::vector<TestSpec> default_tests(const std::string &seed) {
  std::vector<TestSpec> tests;
  const auto add = [&](const std::string &what, std::vector<std::string> args) {
    args.push_back("--seed");
    args.push_back(seed + "-" + std::to_string(tests.size() + 1));
    tests.push_back({what, args});
  };
  add("one-island", {"random", "--n", "1", "--m", "0", "--t", "5"});
  add("t-zero", {"random", "--n", "2", "--m", "1", "--t", "0"});
  add("x-negative", {"random", "--n", "5", "--t", "3", "--x", "-2"});
  for (const char *family : kEveryFamily)
    for (const char *n : {"4", "7", "10"})
      add(std::string(family) + "-n" + n, {family, "--n", n});
  // Fractions that decide the order: truncated costs and rates tie everywhere.
  const std::vector<std::string> fractions = {"--ec", "0..3", "--ec-decimals", "3", "--er", "0..1", "--er-decimals", "3"};
  std::vector<std::string> args = {"random", "--n", "10"};
  args.insert(args.end(), fractions.begin(), fractions.end());
  add("fractions-n10", args);
  for (const char *family : kEveryFamily)
    add(std::string(family) + "-n1000", {family, "--n", "1000"});
  args = {"random", "--n", "1000"};
  args.insert(args.end(), fractions.begin(), fractions.end());
  add("fractions-n1000", args);
  add("extremes-x-low-n1000", {"extremes", "--n", "1000", "--x", "-1000000"});
  // Least totals at 0 and T apart by just beyond the checker's tolerance, either
  // way, small (1e-6 absolute) and large (1e-8 of about 10^9); within it; level.
  const std::vector<std::string> large = {"--ec", "999000..999900", "--t", "1000000"};
  for (const auto &[what, gap, magnitude] :
       {std::tuple{"0-better", "0.000002", false}, {"large-T-better", "-20", true}, {"large-0-better", "20", true},
        {"large-within", "5", true}, {"level", "0", true}}) {
    args = {"near-tie", "--n", "1000", "--gap", gap};
    if (magnitude)
      args.insert(args.end(), large.begin(), large.end());
    add(std::string("near-tie-") + what + "-n1000", args);
  }
  // The largest sizes: every number at an end, dense graphs, stars and chains
  // that a naive union-find walks again and again (each way of linking roots is
  // caught by one of a pair), and a near tie.
  add("extremes-largest", {"extremes", "--n", "262144", "--m", "262144"});
  add("dense-largest", {"random", "--n", "1000", "--m", "262144"});
  add("dense-duplicates-largest", {"duplicates", "--n", "100", "--m", "262144"});
  add("star-largest", {"star", "--n", "262144", "--m", "262144"});
  add("star-mirrored-largest", {"star", "--n", "262144", "--m", "262144", "--mirror"});
  add("chain-largest", {"chain", "--n", "131072", "--m", "262144"});
  add("chain-mirrored-flipped-largest", {"chain", "--n", "131072", "--m", "262144", "--mirror", "--flip"});
  add("near-tie-largest", {"near-tie", "--n", "262144", "--m", "262144", "--t", "1000000"});
  add("close-costs-largest", {"close-costs", "--n", "131072", "--m", "262144"});
  // Where the best t lies under each sign of X, and the two ends tied.
  add("one-island-x-negative", {"random", "--n", "1", "--m", "0", "--t", "5", "--x", "-3"});
  add("one-island-x-zero", {"random", "--n", "1", "--m", "0", "--t", "5", "--x", "0"});
  add("x-negative-best-0", {"random", "--n", "10", "--er", "-10..-2", "--x", "-1"});
  add("x-negative-best-T", {"random", "--n", "10", "--er", "0..10", "--x", "-2"});
  add("x-zero-best-0", {"random", "--n", "10", "--er", "-10..-1", "--x", "0"});
  add("x-zero-best-T", {"random", "--n", "10", "--er", "1..10", "--x", "0"});
  add("x-positive-best-T", {"best-at-T", "--n", "10", "--x", "5"});
  // The sixth decimal decides: costs 10^-6 apart, and the rates' sum at T = 10^6.
  add("micro-gaps-n1000", {"micro-gaps", "--n", "1000"});
  add("sixth-decimal-best-0-n1000", {"sixth-decimal", "--n", "1000", "--gap", "1"});
  add("sixth-decimal-best-T-n1000", {"sixth-decimal", "--n", "1000", "--gap", "-1"});
  // Hash tables keyed on a pair of islands, and hand-written quicksorts, attacked.
  const std::vector<std::string> largest = {"--n", "262144", "--m", "262144"};
  const auto at_largest = [&](std::vector<std::string> family) {
    family.insert(family.begin() + 1, largest.begin(), largest.end());
    return family;
  };
  add("hash-attack-largest", at_largest({"hash-attack"}));
  add("hash-attack-flipped-largest", at_largest({"hash-attack", "--flip"}));
  add("hash-attack-shift-largest", at_largest({"hash-attack", "--key", "shift-32"}));
  add("hash-attack-reserved-largest", at_largest({"hash-attack", "--buckets", "277261"})); // reserve(M)'s count
  add("sorted-largest", at_largest({"sorted"}));
  add("reverse-sorted-largest", at_largest({"reverse-sorted"}));
  add("organ-pipe-largest", at_largest({"organ-pipe"}));
  // The largest totals in size, either sign, at |r|·T = 10^9. At 257001 islands
  // their millionths pass 2^64 fourteen times and wrap below the other end's.
  add("extreme-totals-largest", {"extreme-totals", "--n", "257001", "--m", "262144"});
  add("extreme-totals-negative-largest", {"extreme-totals", "--n", "257001", "--m", "262144", "--x", "-1000000"});
  number_tests(tests, "");
  return tests;
}

void number_tests(std::vector<TestSpec> &tests, const std::string &prefix) {
  const std::size_t width = std::max<std::size_t>(2, std::to_string(tests.size()).size());
  for (std::size_t i = 0; i < tests.size(); ++i) {
    const std::string index = std::to_string(i + 1);
    tests[i].name = prefix + std::string(width - index.size(), '0') + index + "-" + tests[i].name;
  }
}
