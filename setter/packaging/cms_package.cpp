// The CMS task folder: what italy_yaml reads, with nothing left to its defaults
// that would judge wrongly (plain diff, file I/O, dropped tests).
#include "setter/packaging/cms_package.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "setter/language/language.h"
#include "setter/embedded/embedded.h"
#include "setter/storage/folder.h"
#include "setter/running/programs.h"
#include "setter/packaging/statement.h"
#include "setter/packaging/statement_pdf.h"
#include "setter/validation/instance_file.h"
#include "setter/validation/text_file.h"

namespace fs = std::filesystem;

namespace {

std::string yaml_quoted(const std::string &text) {
  std::string out = "'";
  for (char c : text)
    out += c == '\'' ? std::string("''") : std::string(1, c);
  return out + "'";
}

// Shares of 100 points over count tests, in whole units of 1/2^k: exact in
// binary, so that CMS's sum of them is 100 to the last bit, and as even as at
// least four units a test allow; the later tests take the extra units. Sets
// precision to the decimals that 0.3 of a share needs.
std::vector<double> shares_of_100(std::size_t count, int &precision) {
  int k = 0;
  while (count > 0 && (std::size_t{100} << k) / count < 4)
    ++k;
  const std::size_t units = std::size_t{100} << k, base = units / count, extra = units % count;
  std::vector<double> shares;
  for (std::size_t i = 0; i < count; ++i)
    shares.push_back(std::ldexp(static_cast<double>(base + (i >= count - extra)), -k));
  precision = k + 1;
  return shares;
}

// The digits after the point of 0.3 of points: one more than points has.
int decimals_of_three_tenths(double points) {
  int digits = 1;
  for (double p = points; p != std::floor(p) && digits < 9; p *= 10)
    ++digits;
  return digits;
}

// CMS's codename of the index-th test.
std::string codename(std::size_t index) {
  char text[24];
  std::snprintf(text, sizeof text, "%03zu", index);
  return text;
}

// The scoring lines of task.yaml: each secret test a group of its own worth its
// share of 100, or, with subtasks, each subtask a group of its tests by name.
std::string scoring(const std::vector<TestFiles> &tests, const Placement &placement, const TaskInfo &info) {
  std::size_t samples = 0;
  std::string sample_names;
  for (std::size_t i = 0; i < tests.size(); ++i)
    if (tests[i].folder == "sample")
      sample_names += std::string(samples++ ? ", " : "") + "\"" + codename(i) + "\"";
  int precision = 0;
  std::string groups, comment;
  if (placement.subtasks.empty()) {
    groups = "[[0, " + std::to_string(samples) + "]";
    for (const double share : shares_of_100(tests.size() - samples, precision))
      groups += ", [" + plain_decimal(share) + ", 1]";
    comment = "# The samples score nothing. Each secret test is a group of its own, worth its\n"
              "# share of 100 points, which CMS multiplies by the checker's score (1, 0.3 or 0).\n";
  } else {
    groups = "[[0, [" + sample_names + "]]";
    for (const Subtask &s : placement.subtasks) {
      std::string names;
      for (const std::size_t i : tests_in(placement, s.name))
        names += std::string(names.empty() ? "" : ", ") + "\"" + codename(i) + "\"";
      groups += ", [" + plain_decimal(s.points) + ", [" + names + "]]";
      precision = std::max(precision, decimals_of_three_tenths(s.points));
    }
    comment = "# The samples score nothing. Each subtask is a group of the tests it holds, by\n"
              "# codename, worth its points times the least of their scores (1, 0.3 or 0).\n";
  }
  const std::string mode = !info.score_mode.empty() ? info.score_mode : placement.subtasks.empty() ? "max" : "max_subtask";
  return comment + "score_type: GroupMin\nscore_type_parameters: " + groups + "]\nscore_precision: " +
         std::to_string(precision) + "\nscore_mode: " + mode + "\nfeedback_level: " + info.feedback_level + "\n";
}

std::string task_yaml(const std::string &name, const std::vector<TestFiles> &tests, const Placement &placement,
                      const TaskInfo &info) {
  std::string public_cases;
  for (std::size_t i = 0; i < tests.size(); ++i)
    if (tests[i].folder == "sample")
      public_cases += (public_cases.empty() ? "" : ",") + std::to_string(i);
  return "name: " + name + "\ntitle: " + yaml_quoted(info.title) + "\nprimary_language: en\ntime_limit: " +
         shortest(info.time_limit) + "\nmemory_limit: " + std::to_string(info.memory_mib) +
         "\nn_input: " + std::to_string(tests.size()) + "\npublic_testcases: \"" + public_cases +
         "\"\ninfile: \"\"\noutfile: \"\"\ntoken_mode: disabled\n" + scoring(tests, placement, info);
}

std::string fill(const fs::path &root, const std::string &name, const std::vector<TestFiles> &tests,
                 const Placement &placement, const TaskInfo &info) {
  std::error_code failure;
  fs::create_directories(root / "input", failure);
  fs::create_directories(root / "output", failure);
  for (std::size_t i = 0; i < tests.size(); ++i) {
    const std::string index = std::to_string(i);
    if (!fs::copy_file(tests[i].base + ".in", root / "input" / ("input" + index + ".txt"), failure) ||
        !fs::copy_file(tests[i].base + ".total", root / "output" / ("output" + index + ".txt"), failure))
      return tests[i].base + say(": cannot copy into the task folder", "：無法複製到任務資料夾");
  }
  fs::create_directories(root / "check", failure);
  if (!fs::copy_file(info.checker, root / "check" / "checker", failure))
    return info.checker + say(": cannot copy into the task folder", "：無法複製到任務資料夾");
  fs::permissions(root / "check" / "checker", fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                                  fs::perms::others_read | fs::perms::others_exec,
                  failure);
  if (!put_file(root / "task.yaml", task_yaml(name, tests, placement, info)) ||
      !put_file(root / "sol" / "model.cpp", embedded("solutions/accepted/model.cpp")))
    return root.string() + say(": cannot write the task's files", "：無法寫入任務的檔案");
  if (info.statement) {
    fs::create_directories(root / "statement", failure);
    const TestFiles &sample = tests.front();
    std::string input, output;
    if (!read_text_file(sample.base + ".in", input).empty() || !read_text_file(sample.base + ".ans", output).empty())
      return sample.base + say(": cannot read the sample for the statement", "：無法讀取題目敘述要用的範例");
    if (std::string error = write_statement_pdf(statement_latex(info.title, true, placement.subtasks), input, output, (root / "statement" / "statement.pdf").string());
        !error.empty())
      return error;
  }
  return {};
}

} // namespace

std::string cms_task_ready(const std::string &out, const TaskInfo &info) {
  const std::string name = fs::path(out).lexically_normal().filename().string();
  if (name.empty() || name.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789_") != std::string::npos)
    return out + say(": the folder's name is the task's name, and must be [a-z0-9_]+",
                     "：資料夾名稱即任務名稱，只能由 [a-z0-9_] 組成");
  if (info.statement && !on_path("pdflatex"))
    return no_pdflatex();
  std::string why;
  if (!is_static_executable(info.checker, why))
    return info.checker + " " + why + say(": give the checker of the default build with --checker",
                                              "：請以 --checker 指定預設建置的評測程式");
  return {};
}

std::string write_cms_package(const std::vector<TestFiles> &tests, const Placement &placement, const std::string &out,
                              const TaskInfo &info) {
  if (std::string error = cms_task_ready(out, info); !error.empty())
    return error;
  for (const TestFiles &t : tests)
    if (!t.has_total)
      return t.base + say(".in: no " + t.name + ".total beside it (the checker's answer file)",
                          ".in：旁邊沒有 " + t.name + ".total（評測程式的答案檔）");
  if (tests.front().folder != "sample" || tests.back().folder != "secret")
    return out + say(": the test set needs a sample and a secret test", "：測資集需要範例測資與秘密測資各至少一組");
  const std::string name = fs::path(out).lexically_normal().filename().string();
  return write_folder(out, [&](const fs::path &root) { return fill(root, name, tests, placement, info); });
}
