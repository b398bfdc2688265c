// The default test set and the Kattis package written from it, through the
// setter binary: reproducible bytes, every file in place, validators that build
// with their own scripts and judge as Kattis expects, and nothing half-written.
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <cmath>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <set>
#include <string>
#include <vector>
#include <yaml-cpp/yaml.h>

#include "support/binary.h"
#include "support/files.h"
#include "support/judges.h"

namespace {

namespace fs = std::filesystem;

// Folders made here, removed when the tests end: a test set is some 30 MB.
struct Made {
  std::vector<std::string> folders;
  ~Made() {
    for (const std::string &f : folders)
      fs::remove_all(f);
  }
} made;

std::string fresh_path(const char *name) {
  made.folders.push_back(fresh_dir());
  return (fs::path(made.folders.back()) / name).string();
}

// Every file under dir, by relative path, with its bytes; a set's time record,
// a measurement, left out.
Files tree(const std::string &dir) {
  Files files;
  for (const auto &entry : fs::recursive_directory_iterator(dir))
    if (entry.is_regular_file() && entry.path().filename() != "time-limit.yaml")
      files[fs::relative(entry.path(), dir).string()] = bytes_of(entry.path().string());
  return files;
}

// The default test set, what setter testset printed, and the Kattis package
// written from it, all written once for every test file (see CMakeLists.txt).
struct Written {
  std::string set = DEFAULT_SET_DIR "/set", package = DEFAULT_SET_DIR "/portalplan";
  std::string report = bytes_of(DEFAULT_SET_DIR "/report.txt");
};

const Written &written() {
  static const Written w;
  return w;
}

// A test set of copies of the example: the sample and count secret tests.
std::string copies_of_the_example(std::size_t count) {
  const std::string dir = fresh_path("copies");
  const std::string in = bytes_of(EXAMPLES_DIR "/instance.txt");
  for (std::size_t i = 0; i <= count; ++i) {
    const std::string base = dir + (i == 0 ? "/sample/1" : "/secret/" + std::to_string(1000 + i));
    fs::create_directories(fs::path(base).parent_path());
    std::ofstream(base + ".in") << in;
    std::ofstream(base + ".ans") << "3 3\n3 2\n1 3\n0 1\n";
    std::ofstream(base + ".total") << "8\n";
  }
  return dir;
}

TEST(TestSet, TheSameSeedGivesTheSameBytes) {
  const std::string again = fresh_path("again"), other = fresh_path("other");
  ASSERT_EQ(run_program(kSetter, {"testset", again}).status, 0);
  ASSERT_EQ(run_program(kSetter, {"testset", other, "--seed", "2"}).status, 0);
  const Files first = tree(written().set), second = tree(again), third = tree(other);
  EXPECT_EQ(first, second);
  EXPECT_NE(first, third);
  std::set<std::string> extensions;
  for (const auto &[name, bytes] : first)
    extensions.insert(fs::path(name).extension().string());
  EXPECT_EQ(extensions, (std::set<std::string>{".in", ".ans", ".total", ".desc"}));
  EXPECT_TRUE(fs::is_regular_file(written().set + "/time-limit.yaml")); // a measurement, not the same bytes
  EXPECT_EQ(first.at("sample/1.in"), bytes_of(EXAMPLES_DIR "/instance.txt"));
  EXPECT_EQ(first.at("secret/001-one-island.desc"),
            "setter generate random --n 1 --m 0 --t 5 --seed 1-1\nmeets: --distinct-pairs --no-loops\n");
  EXPECT_EQ(first.at("secret/010-duplicates-n4.desc").substr(first.at("secret/010-duplicates-n4.desc").find('\n')),
            "\nmeets: --no-loops\n");
  EXPECT_EQ(first.at("secret/016-loops-n4.desc").substr(first.at("secret/016-loops-n4.desc").find('\n')),
            "\nmeets: neither --distinct-pairs nor --no-loops\n");
  // Each .desc's first line remakes its .in, and what it says it meets holds.
  const std::string desc = first.at("secret/013-dear-copies-n4.desc").substr(0, first.at("secret/013-dear-copies-n4.desc").find('\n') + 1);
  std::vector<std::string> args;
  for (std::size_t at = std::string("setter ").size(), end; at < desc.size(); at = end + 1)
    args.push_back(desc.substr(at, (end = desc.find_first_of(" \n", at)) - at));
  EXPECT_EQ(run_program(kSetter, args).out, first.at("secret/013-dear-copies-n4.in"));
}

// The default set reaches every end of every bound and holds the shapes that
// slow solutions fail on; testset ends with the report that setter coverage
// prints for the set and for the package written from it.
TEST(TestSet, ReachesEveryEndAndEndsWithItsCoverage) {
  const std::string &report = written().report;
  EXPECT_NE(report.find("Every end of every bound is reached.\n"), std::string::npos) << report;
  EXPECT_EQ(report.find("not reached"), std::string::npos) << report;
  EXPECT_NE(report.find("  highest island degree: 262143 ("), std::string::npos) << report;
  EXPECT_EQ(run_setter("en", {"coverage", written().set}).out, report);
  EXPECT_EQ(run_setter("en", {"coverage", written().package}).out, report);
  EXPECT_NE(run_setter("zh-TW", {"coverage", written().set}).out.find("每個範圍的兩端都有測資達到。"), std::string::npos);
  std::size_t size = 0;
  for (const auto &entry : fs::recursive_directory_iterator(written().set))
    size += entry.is_regular_file() ? entry.file_size() : 0;
  EXPECT_LT(size, 180u << 20); // a contest's data, not a download
}

TEST(Coverage, ABrokenTestIsNamedAndLeftOut) {
  const std::string set = copies_of_the_example(2);
  std::ofstream(set + "/secret/1001.in") << "4 5 3 2\n0 9 1 1\n";
  Ran r = run_setter("en", {"coverage", set});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("1001.in:2:3: "), std::string::npos) << r.err;
  EXPECT_NE(r.out.find("Coverage of 2 tests:\n"), std::string::npos) << r.out;
  EXPECT_EQ(run_setter("en", {"coverage"}).status, 2);
  EXPECT_EQ(run_setter("en", {"coverage", set, "--frobnicate"}).status, 2);
  EXPECT_EQ(run_setter("en", {"coverage", fresh_path("nothing")}).status, 1);
  EXPECT_EQ(run_setter("en", {"coverage", "--help"}).out.rfind("usage: setter coverage DIR", 0), 0u);
}

TEST(TestSet, RefusesAFolderInUse) {
  const std::string dir = fresh_path("in-use") + "/";
  fs::create_directories(dir);
  const std::string inside = dir + "kept.txt";
  ASSERT_EQ(std::system(("echo kept > " + inside).c_str()), 0);
  Ran r = run_setter("en", {"testset", dir});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "setter testset: " + dir + ": exists and is not an empty folder\n");
  EXPECT_EQ(run_setter("zh-TW", {"testset", dir}).err, "setter testset: " + dir + "：已存在，且不是空資料夾\n");
  EXPECT_EQ(tree(dir), (Files{{"kept.txt", "kept\n"}}));
}

TEST(KattisPackage, EveryFileInPlace) {
  const Files package = tree(written().package), set = tree(written().set);
  std::size_t tests = 0;
  for (const auto &[name, bytes] : set) {
    const std::string extension = fs::path(name).extension().string();
    if (extension == ".total")
      EXPECT_EQ(package.count("data/" + name), 0u);
    else {
      EXPECT_EQ(package.at("data/" + name), bytes) << name;
      tests += extension == ".in";
    }
  }
  std::set<std::string> rest, expected = {
                                    ".timelimit", "problem.yaml", "problem_statement/problem.en.tex",
                                    "input_validators/portal_input/build", "input_validators/portal_input/input-validator.cpp",
                                    "output_validators/portal_validator/build",
                                    "output_validators/portal_validator/checker-kattis.cpp"};
  for (const auto &[name, bytes] : package)
    if (name.rfind("data/", 0) != 0)
      rest.insert(name);
  for (const auto &entry : fs::recursive_directory_iterator(SOLUTIONS_SOURCE_DIR))
    if (entry.path().extension() == ".cpp")
      expected.insert("submissions/" + fs::relative(entry.path(), SOLUTIONS_SOURCE_DIR).string());
  EXPECT_EQ(rest, expected);
  for (const char *verdict : {"accepted", "wrong_answer", "time_limit_exceeded"})
    EXPECT_TRUE(std::any_of(rest.begin(), rest.end(), [&](const std::string &name) {
      return name.rfind("submissions/" + std::string(verdict) + "/", 0) == 0;
    })) << verdict;
  // DOMjudge's time limit: whole seconds from the model's slowest run, at least 1.
  const std::string limit = package.at(".timelimit");
  EXPECT_TRUE(limit.size() >= 2 && limit.back() == '\n' && limit.find_first_not_of("0123456789\n") == std::string::npos &&
              std::stoi(limit) >= 1)
      << limit;
  EXPECT_GT(tests, 50u);
  EXPECT_NE(package.at("problem.yaml").find("\nvalidation: custom\n"), std::string::npos);
  EXPECT_NE(package.at("problem.yaml").find("\nlicense: cc by-sa\n"), std::string::npos);
  EXPECT_EQ(package.at("problem_statement/problem.en.tex").rfind("\\problemname{Portal Plan}\n", 0), 0u);
  EXPECT_EQ(package.at("submissions/accepted/model.cpp"), bytes_of(SOLUTIONS_SOURCE_DIR "/accepted/model.cpp"));
}

// Both validators built by their own scripts, as Kattis builds them: the input
// validator passes every test and rejects each perturbation that the Kattis
// verifier tries; the output validator accepts every test's answer plan.
TEST(KattisPackage, ValidatorsBuildAndJudge) {
  // Built in a copy: the shared package must keep exactly the files written.
  const std::string package = fresh_path("built");
  fs::copy(written().package, package, fs::copy_options::recursive);
  for (const char *folder : {"/input_validators/portal_input", "/output_validators/portal_validator"})
    ASSERT_EQ(std::system(("cd " + package + folder + " && ./build").c_str()), 0) << folder;
  const std::string input = package + "/input_validators/portal_input/run",
                    output = package + "/output_validators/portal_validator/run";
  for (const auto &entry : fs::recursive_directory_iterator(package + "/data")) {
    if (entry.path().extension() != ".in")
      continue;
    const std::string in = entry.path().string(), ans = fs::path(in).replace_extension(".ans").string();
    SCOPED_TRACE(in);
    EXPECT_EQ(run_program(input, {}, in).status, 42);
    const std::string feedback = fresh_dir();
    EXPECT_EQ(run_program(output, {in, ans, feedback}, ans).status, 42);
    fs::remove_all(feedback);
  }
  const std::string sample = bytes_of(package + "/data/sample/1.in");
  const struct {
    const char *name;
    std::string text;
  } perturbed[] = {
      {"empty", ""},
      {"extra space", " " + sample},
      {"space before a line end", "4 5 3 2 \n" + sample.substr(sample.find('\n') + 1)},
      {"doubled newline", "4 5 3 2\n\n" + sample.substr(sample.find('\n') + 1)},
      {"leading zeros", "04 5 3 2\n" + sample.substr(sample.find('\n') + 1)},
      {"trailing zeros of a real", "4 5 3 2\n0 1 10.00000000000 2\n" + sample.substr(sample.find("1 2 8"))},
      {"carriage returns", "4 5 3 2\r\n" + sample.substr(sample.find('\n') + 1)},
      {"no final newline", sample.substr(0, sample.size() - 1)},
      {"junk after the end", sample + "junk\n"},
      {"bytes", std::string("\x01\x02\xff", 3)},
  };
  for (const auto &p : perturbed) {
    SCOPED_TRACE(p.name);
    Ran r = run_program(input, {}, temp_file(p.text));
    EXPECT_EQ(r.status, 43);
    EXPECT_NE(r.err, "");
  }
}

TEST(KattisPackage, ABrokenTestSetWritesNothing) {
  const std::string set = fresh_path("broken"), out = fresh_path("portalplan");
  fs::copy(written().set, set, fs::copy_options::recursive);
  const std::string total = set + "/secret/002-t-zero.total";
  ASSERT_EQ(std::system(("echo 1 > " + total).c_str()), 0);
  Ran r = run_program(kSetter, {"package", "kattis", set, out});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("002-t-zero"), std::string::npos) << r.err;
  EXPECT_FALSE(fs::exists(out));
  EXPECT_FALSE(fs::exists(out + ".partial"));
  Ran misnamed = run_program(kSetter, {"package", "kattis", written().set, fresh_path("Portal-Plan")});
  EXPECT_EQ(misnamed.status, 1);
  const std::string empty = fresh_path("empty");
  Ran not_a_set = run_setter("en", {"package", "kattis", empty, out});
  EXPECT_EQ(not_a_set.status, 1);
  EXPECT_EQ(not_a_set.err, "setter package: " + empty + ": not a test set (no folder sample/; see setter testset)\n");
  EXPECT_EQ(run_setter("zh-TW", {"package", "kattis", empty, out}).err,
            "setter package: " + empty + "：不是測資集（沒有 sample/ 資料夾；見 setter testset）\n");
  EXPECT_EQ(run_program(kSetter, {"package", "zip", written().set, out}).status, 2);
}

// The CMS task folder holds what italy_yaml reads, nothing left to defaults that
// would judge wrongly: standard input and output, every test, the samples
// public, the checker in place and statically linked.
// The sanitizers' runtimes need dynamic linking: that build has no checker CMS
// would take.
#ifdef CHECKER_SANITIZED
constexpr bool kStaticChecker = false;
#else
constexpr bool kStaticChecker = true;
#endif

// What CMS needs to score the task as meant: a score type it has (GroupMin), the
// samples one group at 0 points, each secret test a group of its own (a count
// of 1, as released CMS takes it), the points adding up to 100 exactly as CMS
// adds them (a float sum, in order), and score_precision enough to show 0.3 of
// the smallest share.
void expect_cms_scoring(const std::string &task_file, std::size_t samples, std::size_t secret) {
  const YAML::Node task = YAML::LoadFile(task_file);
  EXPECT_EQ(task["score_type"].as<std::string>(), "GroupMin");
  const YAML::Node groups = task["score_type_parameters"];
  ASSERT_EQ(groups.size(), secret + 1);
  EXPECT_EQ(groups[0][0].as<double>(), 0);
  EXPECT_EQ(groups[0][1].as<int>(), static_cast<int>(samples));
  double total = 0, smallest = 100;
  for (std::size_t i = 1; i < groups.size(); ++i) {
    EXPECT_EQ(groups[i][1].as<int>(), 1);
    const double points = groups[i][0].as<double>();
    EXPECT_GT(points, 0);
    total += points;
    smallest = std::min(smallest, points);
  }
  EXPECT_EQ(total, 100.0);
  const int precision = task["score_precision"].as<int>();
  const double scale = std::pow(10.0, precision), shown = std::round(0.3 * smallest * scale) / scale;
  EXPECT_NEAR(shown, 0.3 * smallest, 1e-9) << "0.3 of " << smallest << " at precision " << precision;
}

TEST(CmsPackage, OneHundredPointsWhateverTheNumberOfTests) {
  if (!kStaticChecker)
    GTEST_SKIP() << "the checker of a sanitized build is linked dynamically";
  for (const std::size_t count : {1, 3, 7, 84, 101, 333}) {
    SCOPED_TRACE(count);
    const std::string out = fresh_path("portalplan");
    Ran r = run_program(kSetter, {"package", "cms", copies_of_the_example(count), out, "--no-statement", "--time-limit", "1"});
    ASSERT_EQ(r.status, 0) << r.err;
    expect_cms_scoring(out + "/task.yaml", 1, count);
  }
}

TEST(CmsPackage, ScoreModeAndFeedbackLevel) {
  if (!kStaticChecker)
    GTEST_SKIP() << "the checker of a sanitized build is linked dynamically";
  const std::string set = copies_of_the_example(2);
  const std::string out = fresh_path("portalplan");
  Ran r = run_program(kSetter, {"package", "cms", set, out, "--no-statement", "--time-limit", "1", "--score-mode",
                                "max_subtask", "--feedback", "oi_restricted"});
  ASSERT_EQ(r.status, 0) << r.err;
  const YAML::Node task = YAML::LoadFile(out + "/task.yaml");
  EXPECT_EQ(task["score_mode"].as<std::string>(), "max_subtask");
  EXPECT_EQ(task["feedback_level"].as<std::string>(), "oi_restricted");
  for (const std::vector<std::string> &bad : {std::vector<std::string>{"--score-mode", "best"}, {"--feedback", "all"}}) {
    std::vector<std::string> args = {"package", "cms", set, fresh_path("portalplan"), "--no-statement"};
    args.insert(args.end(), bad.begin(), bad.end());
    EXPECT_EQ(run_program(kSetter, args).status, 2) << bad[1];
  }
}

// Rewrites the time record of the set at dir: the model's slowest run and the
// limit it keeps, the tests it was measured on left as they are.
void rewrite_record(const std::string &dir, const std::string &slowest, int limit) {
  YAML::Node record = YAML::LoadFile(dir + "/time-limit.yaml");
  record["model_slowest"] = slowest;
  record["time_limit"] = limit;
  YAML::Emitter out;
  out << record;
  std::ofstream(dir + "/time-limit.yaml") << out.c_str() << "\n";
}

// The time limit is the test set's: measured when its tests are made or
// changed (5 times the model's slowest run, rounded, halves up, at least 1),
// kept in the set, and carried by every package written from it.
TEST(TimeLimit, OneForEveryPackageOfASet) {
  if (!kStaticChecker)
    GTEST_SKIP() << "the checker of a sanitized build is linked dynamically";
  const std::string set = copies_of_the_example(2);
  Ran unmeasured = run_setter("en", {"package", "kattis", set, fresh_path("portalplan")});
  EXPECT_EQ(unmeasured.status, 1);
  EXPECT_NE(unmeasured.err.find(set + "/time-limit.yaml: not there"), std::string::npos) << unmeasured.err;
  EXPECT_NE(unmeasured.err.find("run \"setter solve " + set + "\" to measure it, or give --time-limit"), std::string::npos);
  Ran failing = run_setter("en", {"solve", set, "--model", "/bin/false"});
  EXPECT_EQ(failing.status, 1);
  EXPECT_NE(failing.err.find("/bin/false fails on"), std::string::npos) << failing.err;
  ASSERT_EQ(run_setter("en", {"solve", set}).status, 0);
  const YAML::Node record = YAML::LoadFile(set + "/time-limit.yaml");
  EXPECT_GE(record["time_limit"].as<int>(), 1);
  EXPECT_EQ(record["rule"].as<std::string>(),
            "5 times the model's slowest run (CPU seconds), rounded to whole seconds, at least 1");
  EXPECT_EQ(record["slowest_test"].as<std::string>().rfind("s", 0), 0u); // sample/ or secret/
  // Where the rule rounds: 5 x 0.5 is 2.5, which is 3 seconds (truncated, 2), and
  // 5 x 0.29 is 1.45, which is 1; a limit that is not the rule's is refused.
  for (const auto &[slowest, limit, kept] : {std::tuple{"0.5", 3, true}, {"0.5", 2, false}, {"0.29", 1, true},
                                              {"0.31", 2, true}, {"0.31", 1, false}, {"0.01", 1, true}}) {
    SCOPED_TRACE(std::string(slowest) + " " + std::to_string(limit));
    rewrite_record(set, slowest, limit);
    const std::string kattis = fresh_path("portalplan"), cms = fresh_path("portalplan");
    Ran k = run_setter("en", {"package", "kattis", set, kattis}), c = run_setter("en", {"package", "cms", set, cms, "--no-statement"});
    EXPECT_EQ(k.status, kept ? 0 : 1) << k.err;
    EXPECT_EQ(c.status, kept ? 0 : 1) << c.err;
    if (!kept) {
      EXPECT_NE(k.err.find("time_limit " + std::to_string(limit) + " is not the rule's"), std::string::npos) << k.err;
      continue;
    }
    EXPECT_EQ(bytes_of(kattis + "/.timelimit"), std::to_string(limit) + "\n");
    EXPECT_EQ(YAML::LoadFile(cms + "/task.yaml")["time_limit"].as<double>(), limit);
    EXPECT_NE(k.err.find("time limit " + std::to_string(limit) + " s: 5 times the model's slowest run"), std::string::npos);
  }
  // Changed tests need measuring again, which solve does; --time-limit serves meanwhile.
  for (const char *extension : {".in", ".ans", ".total"})
    fs::copy_file(set + "/secret/1001" + extension, set + "/secret/extra" + extension);
  Ran stale = run_setter("en", {"package", "cms", set, fresh_path("portalplan"), "--no-statement"});
  EXPECT_EQ(stale.status, 1);
  EXPECT_NE(stale.err.find("measured on other tests: the tests have changed since"), std::string::npos) << stale.err;
  const std::string given = fresh_path("portalplan");
  ASSERT_EQ(run_setter("en", {"solve", set}).status, 0);
  EXPECT_EQ(run_setter("en", {"package", "kattis", set, given, "--time-limit", "4"}).status, 0);
  EXPECT_EQ(bytes_of(given + "/.timelimit"), "4\n");
  EXPECT_EQ(run_setter("en", {"package", "cms", set, fresh_path("portalplan"), "--no-statement"}).status, 0);
  EXPECT_EQ(run_setter("en", {"package", "cms", set, fresh_path("portalplan"), "--model", "/bin/true"}).status, 2);
}

TEST(CmsPackage, TheTaskFolderAsCmsReadsIt) {
  if (!kStaticChecker)
    GTEST_SKIP() << "the checker of a sanitized build is linked dynamically";
  const std::string out = fresh_path("portal_plan");
  Ran r = run_program(kSetter, {"package", "cms", written().set, out, "--no-statement", "--time-limit", "1.5",
                                "--memory-limit", "512", "--title", "Portals, 'again'"});
  ASSERT_EQ(r.status, 0) << r.err;
  const Files task = tree(out), set = tree(written().set);
  std::vector<std::string> names; // the set's tests in order: the sample, then the secret ones by name
  for (const auto &[name, bytes] : set)
    if (fs::path(name).extension() == ".in")
      names.push_back(fs::path(name).replace_extension().string());
  std::stable_partition(names.begin(), names.end(), [](const std::string &n) { return n.rfind("sample/", 0) == 0; });
  const YAML::Node yaml = YAML::LoadFile(out + "/task.yaml");
  EXPECT_EQ(yaml["name"].as<std::string>(), "portal_plan");
  EXPECT_EQ(yaml["title"].as<std::string>(), "Portals, 'again'");
  EXPECT_EQ(yaml["time_limit"].as<double>(), 1.5);
  EXPECT_EQ(yaml["memory_limit"].as<int>(), 512);
  EXPECT_EQ(yaml["n_input"].as<std::size_t>(), names.size());
  EXPECT_EQ(yaml["public_testcases"].as<std::string>(), "0");
  EXPECT_EQ(yaml["infile"].as<std::string>(), "");
  EXPECT_EQ(yaml["outfile"].as<std::string>(), "");
  EXPECT_EQ(yaml["token_mode"].as<std::string>(), "disabled");
  EXPECT_EQ(yaml["score_mode"].as<std::string>(), "max");
  EXPECT_EQ(yaml["feedback_level"].as<std::string>(), "full");
  expect_cms_scoring(out + "/task.yaml", 1, names.size() - 1);
  // The names file maps each codename back to the set's test.
  const YAML::Node named = YAML::LoadFile(out + "/tests.yaml");
  ASSERT_EQ(named["tests"].size(), names.size());
  EXPECT_EQ(named["tests"]["000"].as<std::string>(), "sample/1");
  EXPECT_EQ(named["tests"]["002"].as<std::string>(), names[2]);
  for (std::size_t i = 0; i < names.size(); ++i) {
    SCOPED_TRACE(names[i]);
    EXPECT_EQ(task.at("input/input" + std::to_string(i) + ".txt"), set.at(names[i] + ".in"));
    EXPECT_EQ(task.at("output/output" + std::to_string(i) + ".txt"), set.at(names[i] + ".total"));
  }
  EXPECT_EQ(task.count("input/input" + std::to_string(names.size()) + ".txt"), 0u);
  EXPECT_EQ(task.at("sol/model.cpp"), bytes_of(SOLUTIONS_SOURCE_DIR "/accepted/model.cpp"));
  EXPECT_EQ(task.count("statement/statement.pdf"), 0u);
  // The checker as CMS calls it: input, correct output, the contestant's output.
  const std::string checker = out + "/check/checker";
  EXPECT_EQ(fs::status(checker).permissions() & fs::perms::others_exec, fs::perms::others_exec);
  Ran judged = run_program(checker, {out + "/input/input0.txt", out + "/output/output0.txt", written().set + "/sample/1.ans"});
  EXPECT_EQ(judged.out, "1.000000\n");
  EXPECT_EQ(judged.err, "輸出的建設方案為最佳方案。");
}

TEST(CmsPackage, RefusesWhatWouldJudgeWrongly) {
  const std::string out = fresh_path("portalplan");
  const struct {
    const char *name;
    std::vector<std::string> args;
    const char *says;
  } cases[] = {
      {"dynamic checker", {"--no-statement", "--checker", "/bin/sh"}, "linked dynamically"},
      {"missing checker", {"--no-statement", "--checker", "/nonexistent/checker"}, "cannot be opened"},
      {"no pdflatex", {}, "pdflatex not found"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> args = {"PATH=/nonexistent", kSetter, "package", "cms", written().set, out, "--lang", "en"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    Ran r = run_program("/usr/bin/env", args);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(out));
  }
  EXPECT_EQ(run_program(kSetter, {"package", "cms", written().set, fresh_path("Portal-Plan"), "--no-statement"}).status, 1);
  EXPECT_EQ(run_program(kSetter, {"package", "cms", written().set, out, "--time-limit", "0"}).status, 2);
  EXPECT_EQ(run_program(kSetter, {"package", "cms", written().set, out, "--memory-limit", "1.5"}).status, 2);
}

// With pdflatex on the machine, the statement is compiled into the folder.
TEST(CmsPackage, TheStatementWhenPdflatexIsThere) {
  if (std::system("command -v pdflatex > /dev/null 2>&1") != 0 || !kStaticChecker)
    GTEST_SKIP() << "no pdflatex here, or no static checker";
  const std::string out = fresh_path("portalplan");
  Ran r = run_program(kSetter, {"package", "cms", written().set, out});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(bytes_of(out + "/statement/statement.pdf").substr(0, 5), "%PDF-");
}

} // namespace
