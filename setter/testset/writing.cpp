// Writing the default test set.
#include "setter/testset/writing.h"

#include <filesystem>
#include <tuple>
#include <unordered_map>

#include "setter/coverage/facts.h"
#include "setter/families/generator.h"
#include "setter/language/language.h"
#include "setter/embedded/embedded.h"
#include "setter/storage/folder.h"
#include "setter/validation/statement_bounds.h"
#include "setter/testset/membership.h"
#include "setter/testset/subtask_tests.h"
#include "setter/validation/instance_file.h"
#include "setter/validation/solution.h"
#include "setter/validation/text_file.h"

namespace fs = std::filesystem;

namespace {

// The families at every size; each name says what it is there to catch.
const char *const kEveryFamily[] = {"random",    "chain",      "duplicates", "dear-copies", "loops",   "negative",
                                    "best-at-0", "best-at-T",  "ties",       "peak-late",   "peak-early", "x-decides",
                                    "star",      "extremes",   "near-tie",   "close-costs"};

// Writes the files of one test from its instance text into folder; false, with
// error set, when the instance is not a sound test. With subtasks, a test that
// breaks its own subtask's bounds is left out (false, error empty), and .desc
// names the subtasks it belongs to.
bool write_test(const fs::path &folder, const std::string &name, const std::string &text, const std::string &desc,
                const std::vector<Subtask> &subtasks, const std::string &own, std::vector<TestFacts> &facts,
                std::string &error) {
  const Checked checked = validate_instance(text, name + ".in", statement_bounds());
  if (!checked.reports.empty() || !checked.solvable) {
    error = say("test " + name + " is not sound: ", "測資 " + name + " 有缺陷：") +
            (checked.reports.empty() ? say("no optimal plan", "沒有最佳方案") : checked.reports[0]);
    return false;
  }
  const std::string meets = constraints_met();
  const TestFacts f = facts_of(folder.filename().string() + "/" + name, text);
  for (const Subtask &s : subtasks)
    if (s.name == own && !first_breach(f, s.bounds).empty())
      return false;
  facts.push_back(f);
  const std::string members = subtasks.empty() || own.empty() ? "" : "subtasks: " + subtasks_of(f, subtasks) + "\n";
  const fs::path base = folder / name;
  if (!put_file(base.string() + ".in", text) || !put_file(base.string() + ".ans", optimal_plan(checked.best)) ||
      !put_file(base.string() + ".total", plain_decimal(checked.best.total) + "\n") ||
      !put_file(base.string() + ".desc", desc + "meets: " + (meets.empty() ? "neither --distinct-pairs nor --no-loops" : meets) +
                                             "\n" + members)) {
    error = say("cannot write ", "無法寫入 ") + base.string() + ".*";
    return false;
  }
  return true;
}

std::string read_whole(const fs::path &path) {
  std::string text;
  return read_text_file(path.string(), text).empty() ? text : std::string();
}

std::string command_of(const std::vector<std::string> &args) {
  std::string text = "setter generate";
  for (const std::string &a : args)
    text += " " + a;
  return text;
}

} // namespace

std::vector<TestSpec> default_tests(const std::string &seed) {
  std::vector<TestSpec> tests;
  const auto add = [&](const std::string &what, std::vector<std::string> args) {
    const std::string index = std::to_string(tests.size() + 1);
    args.push_back("--seed");
    args.push_back(seed + "-" + index);
    tests.push_back({std::string(index.size() < 2 ? "0" : "") + index + "-" + what, args});
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
  return tests;
}

std::string write_testset(const std::string &dir, const std::string &seed, const std::vector<Subtask> &subtasks,
                          const std::string &subtasks_text, std::vector<TestFacts> &facts, int &left_out,
                          const std::function<void(const std::string &)> &progress) {
  std::vector<TestSpec> tests;
  for (const Subtask &s : subtasks) {
    const std::vector<TestSpec> own = subtask_tests(s, seed);
    tests.insert(tests.end(), own.begin(), own.end());
  }
  if (subtasks.empty())
    tests = default_tests(seed);
  left_out = 0;
  return write_folder(dir, [&](const fs::path &root) {
    std::string error;
    facts.clear();
    progress("sample 1");
    if (!write_test(root / "sample", "1", embedded("examples/instance.txt"), "The example of the problem statement.\n",
                    subtasks, "", facts, error))
      return error;
    std::unordered_map<std::size_t, fs::path> made; // each instance by the hash of its text
    for (const TestSpec &test : tests) {
      progress(test.name);
      std::string text;
      const std::string why = generate_instance(test.args, text);
      // Two subtasks may ask for the same instance: it is one test, in both.
      if (const auto same = made.find(std::hash<std::string>()(text));
          why.empty() && same != made.end() && read_whole(same->second) == text) {
        ++left_out;
        continue;
      }
      made[std::hash<std::string>()(text)] = root / "secret" / (test.name + ".in");
      // A family that cannot meet a subtask's bounds is left out; the default set has none.
      if (!why.empty() && !test.subtask.empty()) {
        ++left_out;
        continue;
      }
      if (!why.empty())
        return say("test ", "測資 ") + test.name + ": " + why;
      if (!write_test(root / "secret", test.name, text, command_of(test.args) + "\n", subtasks, test.subtask, facts,
                      error)) {
        if (!error.empty())
          return error;
        ++left_out;
      }
    }
    if (!subtasks.empty() && !put_file(root / "subtasks.txt", subtasks_text))
      return say("cannot write ", "無法寫入 ") + (root / "subtasks.txt").string();
    return std::string();
  });
}
