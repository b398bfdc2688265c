// Subtasks: the file and its errors, the tests made for each subtask and where
// they are placed, the CMS groups and the Kattis scoring package written from
// them, and verify's points per subtask against what a program declares.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>
#include <yaml-cpp/yaml.h>

#include "setter/coverage/facts.h"
#include "setter/language/language.h"
#include "setter/testset/declared.h"
#include "setter/testset/membership.h"
#include "setter/testset/subtask_file.h"
#include "support/binary.h"
#include "support/files.h"
#include "support/judges.h"

namespace {

namespace fs = std::filesystem;

std::string text_of(const std::string &path) {
  std::ifstream in(path);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

TEST(SubtaskFile, TheExampleAndEveryDefectAtItsLine) {
  set_language(Language::english);
  std::vector<Subtask> subtasks;
  ASSERT_EQ(read_subtasks(EXAMPLES_DIR "/subtasks.txt", subtasks), "");
  ASSERT_EQ(subtasks.size(), 4u);
  EXPECT_EQ(subtasks[0].name, "t-zero");
  EXPECT_EQ(subtasks[0].points, 10);
  EXPECT_EQ(subtasks[0].bounds.t.high, 0);
  EXPECT_EQ(subtasks[0].options, "--t 0..0");
  EXPECT_EQ(subtasks[1].options, "--n 1..1000 --m 1..1000");
  EXPECT_EQ(subtasks[3].options, "");
  EXPECT_EQ(subtasks[3].bounds.t.high, 1e6); // the statement's own

  const struct {
    const char *text, *errors;
  } cases[] = {
      {"x a\n100 b\n", "f:1: the points, 'x', are no number 0 or more"},
      {"50\n50 B\n", "f:1: the subtask needs a name of a-z, 0-9, '_' and '-' after its points\n"
                     "f:2: the subtask needs a name of a-z, 0-9, '_' and '-' after its points"},
      {"50 a\n50 a\n", "f:2: a second subtask called a"},
      {"50 a --t\n50 b --frob\n", "f:1: --t needs LO..HI with LO <= HI, whole numbers\nf:2: '--frob' states no bound"},
      {"100 a --t 0..2000000 --decimals 7\n",
       "f:1: --t 0..2000000 reaches beyond the statement's 0..1000000\nf:1: --decimals 7 allows more than the statement's 6"},
      {"# only a comment\n\n", "f: no subtask in the file"},
      {"30 a # the rest is a comment\n60 b --er 0..0\n", "f: the points total 90, not 100"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(parse_subtasks(c.text, "f", subtasks), c.errors);
  }
}

// A subtask that no valid instance keeps would hold no test and give every
// program its points: it is refused when the file is read, by name.
TEST(SubtaskFile, ASubtaskNoInstanceCanKeepIsRefused) {
  set_language(Language::english);
  std::vector<Subtask> subtasks;
  const struct {
    const char *line, *why;
  } impossible[] = {
      {"--n 2..2 --m 0..0", "N = 2 islands need at least 1 portal to be joined, but --m allows at most 0"},
      {"--n 5..9 --m 1..3", "N = 5 islands need at least 4 portals to be joined, but --m allows at most 3"},
      {"--x 0.5..0.7 --decimals 0", "--x 0.5..0.7 holds no number with at most 0 digits after the point"},
      {"--n 2..5 --ec 0.2..0.4 --decimals 0", "no portal can be written: --ec 0.2..0.4 or --er -1000..1000 holds no number"},
      {"--n 3..3 --m 4..4 --distinct-pairs --no-loops", "no N in 3..3 has room for M in 4..4 portals on distinct pairs without loops"},
      {"--n 1..1 --m 1..5 --no-loops", "no N in 1..1 has room for M in 1..5 portals without loops"},
  };
  for (const auto &c : impossible) {
    SCOPED_TRACE(c.line);
    const std::string errors = parse_subtasks("90 all\n10 odd " + std::string(c.line) + "\n", "f", subtasks);
    EXPECT_EQ(errors.rfind("f:2: subtask odd can hold no test: ", 0), 0u) << errors;
    EXPECT_NE(errors.find(c.why), std::string::npos) << errors;
  }
  for (const char *possible : {"--n 1..1 --m 0..0 --ec 0.2..0.4 --decimals 0", "--n 2..2 --m 1..1",
                               "--n 3..3 --m 6..6 --distinct-pairs", "--n 3..3 --m 3..3 --distinct-pairs --no-loops",
                               "--x 0.5..1.5 --decimals 0"}) {
    SCOPED_TRACE(possible);
    EXPECT_EQ(parse_subtasks("90 all\n10 fine " + std::string(possible) + "\n", "f", subtasks), "");
  }
}

TEST(SubtaskFile, MembershipByBounds) {
  set_language(Language::english);
  std::vector<Subtask> subtasks;
  ASSERT_EQ(parse_subtasks("20 t-zero --t 0..0\n30 small --n 1..10 --distinct-pairs\n50 all\n", "f", subtasks), "");
  TestFacts f;
  f.n = 5, f.m = 6, f.t = 0, f.x = 1, f.has_portals = true;
  EXPECT_EQ(subtasks_of(f, subtasks), "t-zero small all");
  f.repeated_pairs = 1;
  EXPECT_EQ(first_breach(f, subtasks[1].bounds), "a pair of islands joined twice (--distinct-pairs)");
  f.t = 5;
  EXPECT_EQ(first_breach(f, subtasks[0].bounds), "T = 5 lies outside 0..0 (--t)");
  EXPECT_EQ(subtasks_of(f, subtasks), "all");
  bool declared = false;
  EXPECT_EQ(declared_earns("// A solution.\n// Earns: small t-zero\nint main() {}\n", declared),
            (std::vector<std::string>{"small", "t-zero"}));
  EXPECT_TRUE(declared);
  EXPECT_TRUE(declared_earns("// Earns: none\n", declared).empty());
  EXPECT_TRUE(declared);
  declared_earns("int main() {} // Earns: small\n", declared);
  EXPECT_FALSE(declared);
}

// A light pair of subtasks, no full one, so that the set is small.
const char kSubtasks[] = "40 t-zero --t 0..0 --n 1..100 --m 0..300\n60 small --n 1..100 --m 1..300\n";

struct Made {
  std::string set, file;
  std::string report;
};

const Made &made() {
  static Made m;
  if (m.set.empty()) {
    m.file = temp_file(kSubtasks);
    m.set = fresh_dir() + "set";
    Ran r = run_setter("en", {"testset", m.set, "--subtasks", m.file});
    EXPECT_EQ(r.status, 0) << r.err;
    m.report = r.out;
  }
  return m;
}

// The "subtasks:" line of a test's .desc.
std::string placed(const std::string &base) {
  const std::string desc = text_of(base + ".desc");
  const std::size_t at = desc.find("subtasks: ");
  return at == std::string::npos ? "?" : desc.substr(at + 10, desc.find('\n', at) - at - 10);
}

TEST(SubtaskTests, EachSubtaskReachesItsOwnEnds) {
  const Made &m = made();
  EXPECT_EQ(text_of(m.set + "/subtasks.txt"), kSubtasks);
  for (const char *heading : {"\nSubtask t-zero (40 points; --n 1..100 --m 0..300 --t 0..0): ",
                              "\nSubtask small (60 points; --n 1..100 --m 1..300): "}) {
    const std::size_t at = m.report.find(heading);
    ASSERT_NE(at, std::string::npos) << heading << m.report;
    const std::string part = m.report.substr(at, m.report.find("\nSubtask", at + 1) - at);
    EXPECT_NE(part.find("Every end of every bound is reached."), std::string::npos) << part;
  }
  // Every test named by its subtask belongs to it, and to every other whose bounds it keeps.
  int both = 0;
  for (const auto &entry : fs::directory_iterator(m.set + "/secret"))
    if (entry.path().extension() == ".in") {
      const std::string base = (entry.path().parent_path() / entry.path().stem()).string();
      std::ifstream in(entry.path());
      long n, count, t;
      in >> n >> count >> t;
      const bool t_zero = t == 0 && n <= 100 && count <= 300, small = n <= 100 && count >= 1 && count <= 300;
      const std::string expected = std::string(t_zero ? "t-zero" : "") + (t_zero && small ? " " : "") + (small ? "small" : "");
      EXPECT_EQ(placed(base), expected) << base;
      both += t_zero && small;
      EXPECT_EQ(entry.path().stem().string().rfind(t_zero && !small ? "t-zero-" : "", 0), 0u);
    }
  EXPECT_GT(both, 5);
}

// However small a subtask, the shapes that slow solutions fail on are made at
// its own largest size: a naive union-find's stars and chains (a chain on half
// the islands, with twice as many portals), a pair-keyed hash table's colliding
// keys, a quicksort's sorted orders.
TEST(SubtaskTests, EachSubtaskHoldsTheSlowShapesAtItsLargest) {
  const Made &m = made();
  std::map<std::string, long> islands; // "SUBTASK what" to the test's N
  const std::regex name("([a-z-]+?)-[0-9]+-(.+)-largest");
  for (const auto &entry : fs::directory_iterator(m.set + "/secret")) {
    std::smatch parts;
    const std::string stem = entry.path().stem().string();
    if (entry.path().extension() == ".in" && std::regex_match(stem, parts, name)) {
      std::ifstream in(entry.path());
      in >> islands[parts[1].str() + " " + parts[2].str()];
    }
  }
  for (const char *subtask : {"t-zero", "small"})
    for (const auto &[shape, n] : {std::pair{"star", 100}, {"star-mirrored", 100}, {"chain", 50},
                                   {"chain-mirrored-flipped", 50}, {"hash-attack", 100}, {"hash-attack-flipped", 100},
                                   {"hash-attack-shift", 100}, {"sorted", 100}, {"reverse-sorted", 100},
                                   {"organ-pipe", 100}}) {
      const std::string key = std::string(subtask) + " " + shape;
      EXPECT_TRUE(islands.count(key)) << key << " missing\n" << m.report;
      EXPECT_GE(islands[key], n) << key;
    }
}

TEST(SubtaskTests, CmsGroupsNameEachSubtasksTests) {
#ifdef CHECKER_SANITIZED
  GTEST_SKIP() << "the checker of a sanitized build is linked dynamically: no CMS checker";
#endif
  const Made &m = made();
  const std::string out = fresh_dir() + "portalplan";
  Ran r = run_setter("en", {"package", "cms", m.set, out, "--no-statement", "--time-limit", "1"});
  ASSERT_EQ(r.status, 0) << r.err;
  const YAML::Node task = YAML::LoadFile(out + "/task.yaml");
  EXPECT_EQ(task["score_type"].as<std::string>(), "GroupMin");
  EXPECT_EQ(task["score_mode"].as<std::string>(), "max_subtask");
  EXPECT_EQ(task["score_precision"].as<int>(), 1);
  const YAML::Node groups = task["score_type_parameters"];
  ASSERT_EQ(groups.size(), 3u);
  // Codename I is the I-th test, the sample first and the secret ones by name.
  std::vector<std::string> names = {""};
  for (const auto &entry : fs::directory_iterator(m.set + "/secret"))
    if (entry.path().extension() == ".in")
      names.push_back((entry.path().parent_path() / entry.path().stem()).string());
  std::sort(names.begin() + 1, names.end());
  // Each group a regex, as released CMS takes it, matched as CMS matches it: at
  // the start of a codename.
  const auto matched = [&](const YAML::Node &group) {
    std::set<std::string> codes;
    const std::regex regex(group[1].as<std::string>());
    for (std::size_t i = 0; i < names.size(); ++i) {
      char code[24];
      std::snprintf(code, sizeof code, "%03zu", i);
      if (std::regex_search(std::string(code), regex, std::regex_constants::match_continuous))
        codes.insert(code);
    }
    return codes;
  };
  EXPECT_EQ(groups[0][0].as<double>(), 0);
  EXPECT_EQ(matched(groups[0]), std::set<std::string>{"000"});
  for (const auto &[group, subtask, points] : {std::tuple{1, std::string("t-zero"), 40}, {2, std::string("small"), 60}}) {
    std::set<std::string> expected;
    for (std::size_t i = 1; i < names.size(); ++i)
      if ((" " + placed(names[i]) + " ").find(" " + subtask + " ") != std::string::npos) {
        char code[24];
        std::snprintf(code, sizeof code, "%03zu", i);
        expected.insert(code);
      }
    EXPECT_EQ(groups[group][0].as<double>(), points);
    EXPECT_EQ(matched(groups[group]), expected) << subtask;
  }
  // The names file gives the groups back their subtasks' names.
  const YAML::Node named = YAML::LoadFile(out + "/tests.yaml");
  EXPECT_EQ(named["groups"][1].as<std::string>(), "t-zero");
  EXPECT_EQ(named["groups"][2].as<std::string>(), "small");
}

TEST(SubtaskTests, KattisScoringPackage) {
  const Made &m = made();
  const std::string out = fresh_dir() + "portalplan";
  Ran r = run_setter("en", {"package", "kattis", m.set, out, "--time-limit", "1"});
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string problem = text_of(out + "/problem.yaml");
  EXPECT_NE(problem.find("\ntype: scoring\nvalidation: custom score\n"), std::string::npos) << problem;
  // One group per subtask, numbered so that they sort in the file's order.
  const YAML::Node group = YAML::LoadFile(out + "/data/secret/01-t-zero/testdata.yaml");
  EXPECT_EQ(group["on_reject"].as<std::string>(), "break");
  EXPECT_EQ(group["grading"].as<std::string>(), "custom");
  EXPECT_EQ(group["grader_flags"].as<std::string>(), "points 40");
  EXPECT_EQ(group["range"].as<std::string>(), "0 40");
  EXPECT_EQ(group["input_validator_flags"].as<std::string>(), "--n 1..100 --m 0..300 --t 0..0");
  EXPECT_TRUE(fs::is_directory(out + "/data/secret/02-small"));
  EXPECT_NE(text_of(out + "/data/testdata.yaml").find("output_validator_flags: score 1\n"), std::string::npos);
  EXPECT_TRUE(fs::exists(out + "/graders/portal_grader/kattis-grader.cpp"));
  // A test in both subtasks: a file in the first group, a link from the second.
  int linked = 0;
  for (const auto &entry : fs::directory_iterator(out + "/data/secret/02-small"))
    if (entry.path().extension() == ".in" && fs::is_symlink(entry.path())) {
      ++linked;
      EXPECT_EQ(fs::read_symlink(entry.path()).string(), "../01-t-zero/" + entry.path().filename().string());
      EXPECT_TRUE(fs::is_symlink(fs::path(entry.path()).replace_extension(".ans")));
    }
  EXPECT_GT(linked, 5);
  // Its groups score as the subtasks do: the model earns all 100 points, each
  // test linked into several groups run once.
  r = run_setter("en", {"verify", out, SOLUTIONS_DIR "/model", "--runs"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("          100  t-zero small\n"), std::string::npos) << r.out;
  std::size_t runs = 0;
  for (std::size_t at = 0; (at = r.out.find(" accepted, ", at)) != std::string::npos; ++at)
    ++runs;
  EXPECT_EQ(runs, static_cast<std::size_t>(std::count_if(
                      fs::recursive_directory_iterator(out + "/data"), {}, [](const fs::directory_entry &e) {
                        return e.path().extension() == ".in" && !e.is_symlink();
                      })));
  // Only the model and the solutions declaring part of these subtasks are shipped.
  EXPECT_TRUE(fs::exists(out + "/submissions/accepted/model.cpp"));
  EXPECT_TRUE(fs::exists(out + "/submissions/partially_accepted/always_zero.cpp"));
  EXPECT_TRUE(fs::exists(out + "/submissions/partially_accepted/quadratic_prim.cpp"));
  EXPECT_FALSE(fs::exists(out + "/submissions/wrong_answer"));
  // The group's bounds reach the input validator as flags.
  ASSERT_EQ(std::system(("cd " + out + "/input_validators/portal_input && ./build").c_str()), 0);
  const std::string validator = out + "/input_validators/portal_input/run";
  const std::string five = temp_file("2 1 5 0\n0 1 1 0\n");
  EXPECT_EQ(run_program(validator, {}, five).status, 42);
  EXPECT_EQ(run_program(validator, {"--t", "0..0"}, five).status, 43);
  EXPECT_EQ(run_program(validator, {"--t"}, five).status, 1);
  // The grader: the first error, and the points times the least score.
  ASSERT_EQ(std::system(("cd " + out + "/graders/portal_grader && ./build").c_str()), 0);
  const std::string grader = out + "/graders/portal_grader/run";
  EXPECT_EQ(run_program(grader, {"points", "40"}, temp_file("AC 1\nAC 0.3\nAC 1\n")).out, "AC 12\n");
  EXPECT_EQ(run_program(grader, {"points", "40"}, temp_file("AC 1\nWA 0\n")).out, "WA 0\n");
  EXPECT_EQ(run_program(grader, {"points"}, temp_file("AC 1\n")).out, "JE 0\n");
}

TEST(SubtaskTests, ATestOutsideItsSubtasksBoundsIsRefused) {
  const Made &m = made();
  const std::string set = fresh_dir() + "copy";
  fs::copy(m.set, set, fs::copy_options::recursive);
  std::string victim;
  for (const auto &entry : fs::directory_iterator(set + "/secret"))
    if (entry.path().extension() == ".desc" && placed((entry.path().parent_path() / entry.path().stem()).string()) == "small") {
      std::ifstream in(fs::path(entry.path()).replace_extension(".in"));
      long n, count, t;
      if (in >> n >> count >> t && t > 0) {
        victim = (entry.path().parent_path() / entry.path().stem()).string();
        break;
      }
    }
  ASSERT_NE(victim, "");
  std::string desc = text_of(victim + ".desc");
  desc.replace(desc.find("subtasks: small"), 15, "subtasks: t-zero small");
  std::ofstream(victim + ".desc") << desc;
  Ran r = run_setter("en", {"package", "kattis", set, fresh_dir() + "portalplan", "--time-limit", "1"});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find(victim + ".in: its .desc places it in subtask t-zero, but T = "), std::string::npos) << r.err;
  EXPECT_NE(r.err.find(" lies outside 0..0 (--t)"), std::string::npos) << r.err;
}

TEST(SubtaskTests, VerifyScoresEachSubtaskAgainstWhatIsDeclared) {
  const Made &m = made();
  const std::string zero = SOLUTIONS_DIR "/always_zero", model = SOLUTIONS_DIR "/model";
  Ran r = run_setter("en", {"verify", m.set, "--accepted", model, "--earns", "t-zero", zero});
  EXPECT_EQ(r.status, 0) << r.out << r.err;
  EXPECT_NE(r.out.find("points per subtask"), std::string::npos) << r.out;
  const std::size_t row = r.out.rfind(zero + " ");
  ASSERT_NE(row, std::string::npos);
  std::istringstream cells(r.out.substr(row + zero.size()));
  double t_zero, small, total;
  std::string earned, declared;
  cells >> t_zero >> small >> total >> earned >> declared;
  EXPECT_EQ(t_zero, 40);
  EXPECT_LT(small, 60); // 0.3 of it, somewhere
  EXPECT_EQ(earned, "t-zero");
  EXPECT_EQ(declared, "(t-zero)");
  // Declared otherwise: verify fails.
  EXPECT_EQ(run_setter("en", {"verify", m.set, "--earns", "t-zero,small", zero}).status, 1);
  EXPECT_EQ(run_setter("en", {"verify", m.set, "--earns", "none", zero}).status, 1);
  // A source's own declaration counts when the command line gives none.
  r = run_setter("en", {"verify", m.set, SOLUTIONS_SOURCE_DIR "/wrong_answer/always_zero.cpp"});
  EXPECT_EQ(r.status, 0) << r.out << r.err;
  EXPECT_NE(r.out.find("t-zero (t-zero)"), std::string::npos) << r.out;
}

// The CMS statement: the subtasks by name, their table on one page with its
// heading, and the sample's explanation after the sample.
TEST(SubtaskTests, TheCmsStatementAsContestantsReadIt) {
#ifdef CHECKER_SANITIZED
  GTEST_SKIP() << "the checker of a sanitized build is linked dynamically: no CMS checker";
#endif
  if (std::system("command -v pdflatex > /dev/null 2>&1 && command -v pdftotext > /dev/null 2>&1") != 0)
    GTEST_SKIP() << "no pdflatex or pdftotext here";
  const std::string out = fresh_dir() + "portalplan";
  Ran r = run_setter("en", {"package", "cms", made().set, out, "--time-limit", "1"});
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string text_file = fresh_dir() + "statement.txt";
  ASSERT_EQ(std::system(("pdftotext " + out + "/statement/statement.pdf " + text_file).c_str()), 0);
  const std::string text = text_of(text_file);
  const std::size_t heading = text.find("Subtasks"), last_row = text.find("small", heading),
                    sample = text.find("Sample"), explanation = text.find("Explanation of the sample");
  ASSERT_NE(heading, std::string::npos) << text;
  ASSERT_NE(last_row, std::string::npos) << text;
  EXPECT_NE(text.find("t-zero"), std::string::npos);
  EXPECT_EQ(text.substr(heading, last_row - heading).find('\f'), std::string::npos) << "the table breaks across a page";
  EXPECT_LT(sample, explanation);
}

// With the option, the statement in Traditional Chinese too, in the checker's
// own words: both PDFs, which CMS imports as en and zh, and statement.pdf a
// link to the first language's, which CMS 1.4 reads.
TEST(SubtaskTests, TheStatementInTraditionalChinese) {
#ifdef CHECKER_SANITIZED
  GTEST_SKIP() << "the checker of a sanitized build is linked dynamically: no CMS checker";
#endif
  if (std::system("command -v pdflatex > /dev/null 2>&1 && command -v pdftotext > /dev/null 2>&1 && "
                  "kpsewhich CJKutf8.sty > /dev/null 2>&1 && kpsewhich c70bkai.fd > /dev/null 2>&1") != 0)
    GTEST_SKIP() << "no pdflatex, pdftotext or Chinese LaTeX here";
  const std::string out = fresh_dir() + "portalplan";
  Ran r = run_setter("en", {"package", "cms", made().set, out, "--time-limit", "1", "--statement-languages", "en,zh-TW"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(fs::is_regular_file(out + "/statement/english.pdf"));
  EXPECT_EQ(fs::read_symlink(out + "/statement/statement.pdf").string(), "english.pdf");
  EXPECT_EQ(YAML::LoadFile(out + "/task.yaml")["primary_language"].as<std::string>(), "en");
  const std::string text_file = fresh_dir() + "chinese.txt";
  ASSERT_EQ(std::system(("pdftotext " + out + "/statement/chinese.pdf " + text_file).c_str()), 0);
  const std::string text = text_of(text_file);
  for (const char *words : {"島嶼", "傳送門", "建設方案", "子任務", "t-zero", "small", "範例說明", "22", "18", "13", "0.5"})
    EXPECT_NE(text.find(words), std::string::npos) << words << "\n" << text;
  EXPECT_LT(text.find("範例"), text.find("範例說明"));
  // Chinese first: it is the primary language, and statement.pdf points at it.
  const std::string first = fresh_dir() + "portalplan";
  ASSERT_EQ(run_setter("en", {"package", "cms", made().set, first, "--time-limit", "1", "--statement-languages", "zh-TW"}).status, 0);
  EXPECT_EQ(fs::read_symlink(first + "/statement/statement.pdf").string(), "chinese.pdf");
  EXPECT_FALSE(fs::exists(first + "/statement/english.pdf"));
  EXPECT_EQ(YAML::LoadFile(first + "/task.yaml")["primary_language"].as<std::string>(), "zh");
  EXPECT_EQ(run_setter("en", {"package", "cms", made().set, fresh_dir() + "p", "--statement-languages", "en,fr"}).status, 2);
  EXPECT_EQ(run_setter("en", {"package", "cms", made().set, fresh_dir() + "p", "--statement-languages", "en,en"}).status, 2);
}

// A copy of the made set, for a test that changes it.
std::string copy_of_made() {
  const std::string set = fresh_dir() + "copy";
  fs::copy(made().set, set, fs::copy_options::recursive);
  return set;
}

// A test added by hand, in a folder of its own and without a .desc, is placed
// by its bounds like any other: in every group its bounds allow, in every
// package, and verify names it.
TEST(SubtaskTests, AHandMadeTestIsPlacedByItsBounds) {
  const std::string set = copy_of_made();
  fs::create_directories(set + "/secret/hand");
  // T = 0, N = 5, M = 5: in t-zero and small alike.
  std::ofstream(set + "/secret/hand/zz.in") << "5 5 0 1\n0 1 7 1\n1 2 -3 0\n2 3 5 2\n3 4 9 -1\n4 0 2 1\n";
  Ran r = run_setter("en", {"solve", set});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.err.find("secret/hand/zz: by its bounds in subtasks t-zero small\n"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("measured on other tests: the tests have changed since; measuring it\n"), std::string::npos);
  const std::string kattis = fresh_dir() + "portalplan";
  r = run_setter("en", {"package", "kattis", set, kattis});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(fs::is_regular_file(kattis + "/data/secret/01-t-zero/hand-zz.in"));
  EXPECT_TRUE(fs::is_symlink(kattis + "/data/secret/02-small/hand-zz.in"));
#ifndef CHECKER_SANITIZED
  const std::string cms = fresh_dir() + "portalplan";
  r = run_setter("en", {"package", "cms", set, cms, "--no-statement"});
  ASSERT_EQ(r.status, 0) << r.err;
  const YAML::Node names = YAML::LoadFile(cms + "/tests.yaml")["tests"];
  std::string code;
  for (const auto &test : names)
    if (test.second.as<std::string>() == "secret/hand/zz")
      code = test.first.as<std::string>();
  ASSERT_NE(code, "");
  for (const auto &group : YAML::LoadFile(cms + "/task.yaml")["score_type_parameters"]) {
    const std::regex tests(group[1].as<std::string>());
    // Both subtasks' regexes match it, and the samples' does not.
    EXPECT_EQ(std::regex_search(code, tests, std::regex_constants::match_continuous), group[0].as<double>() > 0);
  }
  // verify names CMS's tests and groups by the set's names.
  r = run_setter("en", {"verify", cms, SOLUTIONS_DIR "/always_zero", "--earns", "t-zero"});
  EXPECT_EQ(r.status, 0) << r.out << r.err;
  EXPECT_NE(r.out.find("t-zero(40)"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("sample/1 [000]: 0.3: "), std::string::npos) << r.out;
#endif
}

// A .desc that places a test elsewhere than its bounds do, and a subtask that
// holds no test, are refused by name wherever the set is read.
TEST(SubtaskTests, AnEmptySubtaskIsRefusedEverywhere) {
  const std::string set = copy_of_made();
  std::ofstream(set + "/subtasks.txt", std::ios::app) << "0 ghost --n 200..300 --m 199..400\n";
  for (const std::vector<std::string> &command :
       {std::vector<std::string>{"package", "kattis", set, fresh_dir() + "portalplan"},
        {"verify", set, SOLUTIONS_DIR "/model"},
        {"solve", set}}) {
    SCOPED_TRACE(command[0]);
    Ran r = run_setter("en", command);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("subtask ghost holds no test: no secret test keeps its bounds (--n 200..300 --m 199..400)"),
              std::string::npos)
        << r.err;
  }
  // testset refuses it too, and writes nothing.
  const std::string file = temp_file("100 all\n0 impossible --n 2..2 --m 0..0\n"), out = fresh_dir() + "set";
  Ran r = run_setter("en", {"testset", out, "--subtasks", file});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find(file + ":2: subtask impossible can hold no test: N = 2 islands need at least 1 portal to be joined"),
            std::string::npos)
      << r.err;
  EXPECT_FALSE(fs::exists(out));
}

// In a Kattis scoring package the folders mean what the verifier makes of
// them: a partial program filed as too slow gets AC there, and verify says so.
TEST(SubtaskTests, VerifyHoldsKattisFoldersToTheVerifiersGrading) {
  const std::string kattis = fresh_dir() + "portalplan";
  ASSERT_EQ(run_setter("en", {"package", "kattis", made().set, kattis, "--time-limit", "1"}).status, 0);
  fs::create_directories(kattis + "/submissions/time_limit_exceeded");
  fs::rename(kattis + "/submissions/partially_accepted/always_zero.cpp",
             kattis + "/submissions/time_limit_exceeded/always_zero.cpp");
  for (const auto &entry : fs::directory_iterator(kattis + "/submissions/partially_accepted"))
    fs::remove(entry.path()); // the rest are slow: not needed to make the point
  Ran r = run_setter("en", {"verify", kattis});
  EXPECT_EQ(r.status, 1) << r.out;
  EXPECT_NE(r.out.find("the Kattis verifier: AC (100)\n"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("the Kattis verifier: AC (58), and it complains: TLE submission got AC (58)\n"),
            std::string::npos)
      << r.out;
  fs::rename(kattis + "/submissions/time_limit_exceeded/always_zero.cpp",
             kattis + "/submissions/partially_accepted/always_zero.cpp");
  r = run_setter("en", {"verify", kattis});
  EXPECT_EQ(r.status, 0) << r.out;
  // Filed as accepted, it falls short of full score, which the verifier warns of.
  fs::rename(kattis + "/submissions/partially_accepted/always_zero.cpp", kattis + "/submissions/accepted/zero.cpp");
  r = run_setter("en", {"verify", kattis});
  EXPECT_EQ(r.status, 1) << r.out;
  EXPECT_NE(r.out.find("it complains: AC submission did not attain full score (AC (58))"), std::string::npos) << r.out;
}

} // namespace
