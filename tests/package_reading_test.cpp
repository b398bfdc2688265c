// Packages read back as their judges read them: CMS groups by count, regex or
// list of codenames with the names setter keeps beside them, however many
// tests; Kattis groups in the verifier's order with their subtasks' names and
// points; and the statement's subtask table.
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "setter/language/language.h"
#include "setter/packaging/package_view.h"
#include "setter/packaging/statement.h"
#include "support/judges.h"

namespace {

namespace fs = std::filesystem;

void put(const std::string &path, const std::string &text) {
  fs::create_directories(fs::path(path).parent_path());
  std::ofstream(path) << text;
}

// A CMS folder of count one-island tests, and its task.yaml's groups.
std::string cms_folder(std::size_t count, const std::string &groups, const std::string &names = "") {
  const std::string dir = fresh_dir();
  for (std::size_t i = 0; i < count; ++i) {
    put(dir + "input/input" + std::to_string(i) + ".txt", "1 0 0 0\n");
    put(dir + "output/output" + std::to_string(i) + ".txt", "0\n");
  }
  put(dir + "task.yaml", "name: t\ntime_limit: 2\nmemory_limit: 256\nn_input: " + std::to_string(count) +
                             "\nscore_type: GroupMin\nscore_precision: 3\nscore_type_parameters: " + groups + "\n");
  if (!names.empty())
    put(dir + "tests.yaml", names);
  return dir;
}

TEST(CmsReading, FiveThousandTestsInOneGroupReadBack) {
  std::string regex = "^(?:";
  for (std::size_t i = 1; i <= 5000; ++i)
    regex += (i > 1 ? "|" : "") + std::string(i < 10 ? "00" : i < 100 ? "0" : "") + std::to_string(i);
  const std::string dir = cms_folder(5001, "[[0, \"^(?:000)$\"], [100, \"" + regex + ")$\"]]");
  PackageView view;
  ASSERT_EQ(read_package(dir, view), std::vector<std::string>{});
  EXPECT_EQ(view.kind, PackageKind::cms);
  ASSERT_EQ(view.subtasks.size(), 1u);
  EXPECT_EQ(view.subtasks[0].trials.size(), 5000u);
  EXPECT_EQ(view.subtasks[0].name, "subtask1");
  EXPECT_EQ(view.time_limit, 2);
  EXPECT_EQ(view.memory_mib, 256);
  EXPECT_EQ(view.points_decimals, 3);
}

// Each form CMS takes: a count (in CMS's order of codenames, as strings: "1000"
// comes before "101"), a regex as setter writes it, a list of codenames.
TEST(CmsReading, EveryFormOfGroup) {
  set_language(Language::english);
  const std::string names = "tests:\n  \"000\": sample/1\n  \"001\": secret/a\ngroups: [samples, first, second]\n";
  const struct {
    const char *groups;
    std::vector<std::size_t> first, second;
  } cases[] = {
      {"[[0, 1], [40, 2], [60, 2]]", {1, 2}, {3, 4}},
      {"[[0, \"^(?:000)$\"], [40, \"^(?:001|003)$\"], [60, \"^(?:003|004)$\"]]", {1, 3}, {3, 4}},
      {"[[0, [\"000\"]], [40, [\"002\", \"001\"]], [60, [\"004\"]]]", {1, 2}, {4}},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.groups);
    PackageView view;
    ASSERT_EQ(read_package(cms_folder(5, c.groups, names), view), std::vector<std::string>{});
    ASSERT_EQ(view.subtasks.size(), 2u);
    EXPECT_EQ(view.subtasks[0].name, "first");
    EXPECT_EQ(view.subtasks[0].points, 40);
    EXPECT_EQ(view.subtasks[0].trials, c.first);
    EXPECT_EQ(view.subtasks[1].trials, c.second);
    EXPECT_EQ(view.trials[1].name, "secret/a [001]");
    EXPECT_EQ(view.trials[2].name, "input2");
  }
  // Over a thousand tests, counts follow CMS's order of codenames, not the files'.
  PackageView view;
  ASSERT_EQ(read_package(cms_folder(1002, "[[0, 1], [50, 101], [50, 900]]"), view), std::vector<std::string>{});
  EXPECT_EQ(view.subtasks[0].trials.back(), 1000u); // "1000" sorts before "101"
  // A regex of another form, a count beyond the tests, a test that is not there.
  for (const char *groups : {"[[0, 1], [100, \"^0\"]]", "[[0, 1], [100, 9]]", "[[0, 1], [100, [\"007\"]]]"}) {
    SCOPED_TRACE(groups);
    const std::vector<std::string> problems = read_package(cms_folder(3, groups), view);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_NE(problems[0].find("task.yaml: "), std::string::npos) << problems[0];
  }
  // Groups of one test each are shares of 100 points, not subtasks.
  ASSERT_EQ(read_package(cms_folder(3, "[[0, 1], [50, 1], [50, 1]]"), view), std::vector<std::string>{});
  EXPECT_TRUE(view.subtasks.empty());
}

TEST(KattisReading, GroupsInTheVerifiersOrder) {
  const std::string dir = fresh_dir();
  put(dir + "problem.yaml", "name: x\ntype: scoring\nlimits:\n  memory: 512\n");
  put(dir + ".timelimit", "3\n");
  put(dir + "data/sample/1.in", "1 0 0 0\n");
  put(dir + "data/sample/1.ans", "0\n");
  for (const char *group : {"02-small", "01-t-zero", "10-late"}) {
    put(dir + "data/secret/" + group + "/testdata.yaml", "grading: custom\ngrader_flags: points 12.5\n");
    put(dir + "data/secret/" + group + "/a.in", "1 0 0 0\n");
    put(dir + "data/secret/" + group + "/a.ans", "0\n");
  }
  put(dir + "submissions/time_limit_exceeded/slow.cpp", "");
  PackageView view;
  ASSERT_EQ(read_package(dir, view), std::vector<std::string>{});
  EXPECT_EQ(view.kind, PackageKind::kattis_scoring);
  ASSERT_EQ(view.subtasks.size(), 3u);
  EXPECT_EQ(view.subtasks[0].name, "t-zero");
  EXPECT_EQ(view.subtasks[1].name, "small");
  EXPECT_EQ(view.subtasks[2].name, "late");
  EXPECT_EQ(view.subtasks[2].points, 12.5);
  EXPECT_EQ(view.trials[view.subtasks[0].trials[0]].name, "secret/01-t-zero/a");
  EXPECT_EQ(view.time_limit, 3);
  EXPECT_EQ(view.memory_mib, 512);
  ASSERT_EQ(view.submissions.size(), 1u);
  EXPECT_EQ(view.submissions[0].folder, "time_limit_exceeded");
  // A test without its .ans is no test to Kattis: refused, not skipped.
  put(dir + "data/secret/01-t-zero/b.in", "1 0 0 0\n");
  EXPECT_EQ(read_package(dir, view).size(), 1u);
}

// The subtask table: every subtask's number, name, points and constraints, in
// the file's order, on one page; "integers" where no decimals are allowed.
TEST(Statement, TheSubtaskTable) {
  std::vector<Subtask> subtasks;
  ASSERT_EQ(parse_subtasks("10 t-zero --t 0..0\n30 whole --decimals 0\n20 short --decimals 2\n40 full\n", "f", subtasks), "");
  const std::string latex = statement_latex(StatementLanguage::english, "Portal Plan", true, subtasks);
  const std::size_t table = latex.find("\\begin{minipage}"), end = latex.find("\\end{minipage}");
  ASSERT_NE(table, std::string::npos);
  const std::string rows = latex.substr(table, end - table);
  EXPECT_LT(latex.find("\\section*{Subtasks}"), table);
  EXPECT_NE(rows.find("1 & \\texttt{t-zero} & 10 & $T = 0$ \\\\"), std::string::npos) << rows;
  EXPECT_NE(rows.find("2 & \\texttt{whole} & 30 & $X$, $c_i$ and $r_i$ are integers \\\\"), std::string::npos) << rows;
  EXPECT_NE(rows.find("3 & \\texttt{short} & 20 & at most 2 digits after the decimal point \\\\"), std::string::npos);
  EXPECT_NE(rows.find("4 & \\texttt{full} & 40 & no further constraints \\\\"), std::string::npos);
  EXPECT_LT(rows.find("t-zero"), rows.find("whole"));
  EXPECT_EQ(latex.find("Explanation of the sample"), std::string::npos); // it follows the sample, wherever that is
  const std::string chinese = statement_latex(StatementLanguage::chinese, "Portal Plan", true, subtasks);
  EXPECT_NE(chinese.find("2 & \\texttt{whole} & 30 & $X$、$c_i$ 與 $r_i$ 皆為整數 \\\\"), std::string::npos) << chinese;
  EXPECT_NE(chinese.find("\\section*{子任務}"), std::string::npos);
}

// Both statements hold the same facts: the statement's bounds and tolerance,
// and the sample worked through from its own instance and plan.
TEST(Statement, BothLanguagesFromTheSameFacts) {
  for (const StatementLanguage language : {StatementLanguage::english, StatementLanguage::chinese}) {
    const std::string latex = statement_latex(language, "Portal Plan", false, {});
    for (const char *fact : {"262\\,144", "10^{6}", "10^{3}", "10^{-6}", "10^{-8}", "$6$"})
      EXPECT_NE(latex.find(fact), std::string::npos) << fact;
    EXPECT_EQ(latex.find('@'), std::string::npos); // every fact filled in
  }
  SampleWalk walk;
  ASSERT_TRUE(walk_sample("4 5 3 2\n0 1 10 2\n1 2 8 1\n2 3 6 3\n0 3 9 0.5\n1 3 7 2\n", "3 3\n2 3\n1 3\n0 1\n", walk));
  const std::string english = sample_explanation_latex(StatementLanguage::english, walk, true),
                    chinese = sample_explanation_latex(StatementLanguage::chinese, walk, true);
  for (const std::string &text : {english, chinese})
    for (const char *fact : {"$10 - 2 \\cdot 3 = 4$", "$9 - 0.5 \\cdot 3 = 7.5$", "$6 - 3 + 1 + 4 = 8$", "$3 \\cdot 2 = 6$",
                             "$22$", "$18$", "$13$", "$t = 3$"})
      EXPECT_NE(text.find(fact), std::string::npos) << fact << "\n" << text;
  EXPECT_NE(english.find("islands $2$ and $3$ (cost $-3$)"), std::string::npos) << english;
  EXPECT_NE(chinese.find("$2$ 與 $3$ 之間（成本 $-3$）"), std::string::npos) << chinese;
  EXPECT_NE(sample_explanation_latex(StatementLanguage::english, walk, false).find("Explanation of the sample below"),
            std::string::npos);
  EXPECT_FALSE(walk_sample("4 5 3 2\n0 1 10 2\n", "3 3\n", walk)); // no sound sample
}

} // namespace
