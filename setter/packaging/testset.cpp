// Writing the default test set.
#include "setter/packaging/testset.h"

#include <filesystem>

#include "setter/families/generator.h"
#include "setter/language/language.h"
#include "setter/packaging/embedded.h"
#include "setter/packaging/folder.h"
#include "setter/packaging/problem.h"
#include "setter/validation/instance_file.h"
#include "setter/validation/solution.h"

namespace fs = std::filesystem;

namespace {

// The families at every size; each name says what it is there to catch.
const char *const kEveryFamily[] = {"random",    "chain",     "duplicates", "dear-copies", "loops",      "negative",
                                    "best-at-0", "best-at-T", "ties",       "peak-late",   "peak-early", "x-decides"};

// Writes the files of one test from its instance text into folder; false, with
// error set, when the instance is not a sound test.
bool write_test(const fs::path &folder, const std::string &name, const std::string &text, const std::string &desc,
                std::string &error) {
  const Checked checked = validate_instance(text, name + ".in", statement_bounds());
  if (!checked.reports.empty() || !checked.solvable) {
    error = say("test " + name + " is not sound: ", "測資 " + name + " 有缺陷：") +
            (checked.reports.empty() ? say("no optimal plan", "沒有最佳方案") : checked.reports[0]);
    return false;
  }
  const std::string meets = constraints_met();
  const fs::path base = folder / name;
  if (!put_file(base.string() + ".in", text) || !put_file(base.string() + ".ans", optimal_plan(checked.best)) ||
      !put_file(base.string() + ".total", plain_decimal(checked.best.total) + "\n") ||
      !put_file(base.string() + ".desc", desc + "meets: " + (meets.empty() ? "neither --distinct-pairs nor --no-loops" : meets) + "\n")) {
    error = say("cannot write ", "無法寫入 ") + base.string() + ".*";
    return false;
  }
  return true;
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
  add("random-largest", {"random", "--n", "262144", "--m", "262144"});
  add("chain-largest", {"chain", "--n", "262144", "--m", "262144", "--ec", "0..10000"});
  add("duplicates-largest", {"duplicates", "--n", "262144", "--m", "262144"});
  return tests;
}

std::string write_testset(const std::string &dir, const std::string &seed,
                          const std::function<void(const std::string &)> &progress) {
  return write_folder(dir, [&](const fs::path &root) {
    std::string error;
    progress("sample 1");
    if (!write_test(root / "sample", "1", embedded("examples/instance.txt"), "The example of the problem statement.\n",
                    error))
      return error;
    for (const TestSpec &test : default_tests(seed)) {
      progress(test.name);
      std::string text;
      if (std::string why = generate_instance(test.args, text); !why.empty())
        return say("test ", "測資 ") + test.name + ": " + why;
      if (!write_test(root / "secret", test.name, text, command_of(test.args) + "\n", error))
        return error;
    }
    return std::string();
  });
}
