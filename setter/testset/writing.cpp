// Writing a test set whole.
#include "setter/testset/writing.h"

#include <filesystem>
#include <unordered_map>

#include "setter/embedded/embedded.h"
#include "setter/families/generator.h"
#include "setter/language/language.h"
#include "setter/storage/folder.h"
#include "setter/testset/default_tests.h"
#include "setter/testset/membership.h"
#include "setter/testset/placement.h"
#include "setter/testset/subtask_tests.h"
#include "setter/validation/instance_file.h"
#include "setter/validation/solution.h"
#include "setter/validation/statement_bounds.h"
#include "setter/validation/text_file.h"

namespace fs = std::filesystem;

namespace {

// Writes the files of one test from its instance text into folder; false, with
// error set, when the instance is not a sound test. With subtasks, a test that
// breaks its own subtask's bounds is left out (false, with why set), and .desc
// names the subtasks it belongs to.
bool write_test(const fs::path &folder, const std::string &name, const std::string &text, const std::string &desc,
                const std::vector<Subtask> &subtasks, const std::string &own, WrittenSet &written, std::string &error,
                std::string &why) {
  const Checked checked = validate_instance(text, name + ".in", statement_bounds());
  if (!checked.reports.empty() || !checked.solvable) {
    error = say("test " + name + " is not sound: ", "測資 " + name + " 有缺陷：") +
            (checked.reports.empty() ? say("no optimal plan", "沒有最佳方案") : checked.reports[0]);
    return false;
  }
  const std::string meets = constraints_met();
  const TestFacts f = facts_of(folder.filename().string() + "/" + name, text);
  for (const Subtask &s : subtasks)
    if (s.name == own && !(why = first_breach(f, s.bounds)).empty())
      return false;
  written.facts.push_back(f);
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

std::vector<TestSpec> tests_for(const std::vector<Subtask> &subtasks, const std::string &seed) {
  if (subtasks.empty())
    return default_tests(seed);
  std::vector<TestSpec> tests;
  for (const Subtask &s : subtasks) {
    const std::vector<TestSpec> own = subtask_tests(s, seed);
    tests.insert(tests.end(), own.begin(), own.end());
  }
  return tests;
}

// The generated tests, into root/secret; an empty string, or what went wrong.
std::string write_generated(const fs::path &root, const std::vector<TestSpec> &tests,
                            const std::vector<Subtask> &subtasks, WrittenSet &written,
                            const std::function<void(const std::string &)> &progress) {
  std::unordered_map<std::size_t, fs::path> made; // each instance by the hash of its text
  for (const TestSpec &test : tests) {
    progress(say("writing ", "寫入 ") + test.name);
    std::string text, error, why;
    why = generate_instance(test.args, text);
    // Two subtasks may ask for the same instance: it is one test, in both.
    if (const auto same = made.find(std::hash<std::string>()(text));
        why.empty() && same != made.end() && read_whole(same->second) == text) {
      written.left_out.push_back(test.name + ": " + say("the same instance as ", "與此測資相同：") +
                                 same->second.stem().string());
      continue;
    }
    made[std::hash<std::string>()(text)] = root / "secret" / (test.name + ".in");
    if (!why.empty() && test.subtask.empty()) // the default set has no test that cannot be made
      return say("test ", "測資 ") + test.name + ": " + why;
    if (why.empty() &&
        write_test(root / "secret", test.name, text, command_of(test.args) + "\n", subtasks, test.subtask, written,
                   error, why))
      continue;
    if (!error.empty())
      return error;
    written.left_out.push_back(test.name + ": " + why);
  }
  return {};
}

// Times the model on the set at root and keeps its time limit there; a model
// that cannot be timed leaves the set without one, and says why.
std::string keep_time_limit(const fs::path &root, const std::string &model, WrittenSet &written,
                            const std::function<void(const std::string &)> &progress) {
  std::vector<SetTest> tests;
  if (std::string error = list_set_tests(root.string(), tests); !error.empty())
    return error;
  written.time_problem = measure_time_limit(model, tests, written.time, [&](const std::string &name) {
    progress(say("timing the model on ", "計時模範解答：") + name);
  });
  return written.time_problem.empty() ? write_time_record(root.string(), written.time) : "";
}

} // namespace

std::string write_testset(const std::string &dir, const std::string &seed, const std::vector<Subtask> &subtasks,
                          const std::string &subtasks_text, const std::string &model, WrittenSet &written,
                          const std::function<void(const std::string &)> &progress) {
  const std::vector<TestSpec> tests = tests_for(subtasks, seed);
  return write_folder(dir, [&](const fs::path &root) {
    written = {};
    std::string error, why;
    progress(say("writing sample 1", "寫入範例 1"));
    if (!write_test(root / "sample", "1", embedded("examples/instance.txt"), "The example of the problem statement.\n",
                    subtasks, "", written, error, why))
      return error;
    if (error = write_generated(root, tests, subtasks, written, progress); !error.empty())
      return error;
    if (!subtasks.empty() && !put_file(root / "subtasks.txt", subtasks_text))
      return say("cannot write ", "無法寫入 ") + (root / "subtasks.txt").string();
    std::vector<SetTest> listed;
    Placement placement;
    list_set_tests(root.string(), listed);
    for (const std::string &problem : place_tests(listed, subtasks, placement, [](const std::string &) {}))
      error += (error.empty() ? "" : "\n") + problem;
    return error.empty() ? keep_time_limit(root, model, written, progress) : error;
  });
}
