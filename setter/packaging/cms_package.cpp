// The CMS task folder: what italy_yaml reads, with nothing left to its defaults
// that would judge wrongly (plain diff, file I/O, dropped tests).
#include "setter/packaging/cms_package.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <yaml-cpp/yaml.h>

#include "setter/language/language.h"
#include "setter/packaging/cms_reading.h"
#include "setter/embedded/embedded.h"
#include "setter/storage/folder.h"
#include "setter/running/programs.h"
#include "setter/packaging/statement.h"
#include "setter/packaging/statement_pdf.h"
#include "setter/validation/instance_file.h"
#include "setter/validation/text_file.h"

namespace fs = std::filesystem;

namespace {

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

// The regex of CMS codenames that matches exactly the tests at indices.
std::string codename_regex(const std::vector<std::size_t> &indices) {
  std::string alternatives;
  for (const std::size_t i : indices)
    alternatives += (alternatives.empty() ? "" : "|") + cms_codename(i);
  return "^(?:" + alternatives + ")$";
}

// The scoring keys of task.yaml: each secret test a group of its own worth its
// share of 100, or, with subtasks, each subtask a group of its tests by a regex
// of their codenames. Released CMS takes a count or a regex, all groups alike.
void scoring(YAML::Emitter &out, const TestSet &set, const TaskInfo &info) {
  std::vector<std::size_t> samples;
  for (std::size_t i = 0; i < set.tests.size(); ++i)
    if (set.tests[i].folder == "sample")
      samples.push_back(i);
  const Placement &placement = set.placement;
  int precision = 0;
  out << YAML::Newline
      << YAML::Comment(placement.subtasks.empty()
                           ? "The samples score nothing. Each secret test is a group of its own, worth its share\n"
                             "of 100 points, times the checker's score (1, 0.3 or 0)."
                           : "The samples score nothing. Each subtask is a group of its tests, given by a regex of\n"
                             "their codenames, worth its points times the least of their scores (1, 0.3 or 0).")
      << YAML::Key << "score_type" << YAML::Value << "GroupMin" << YAML::Key << "score_type_parameters"
      << YAML::Value << YAML::BeginSeq << YAML::Flow << YAML::BeginSeq << 0;
  if (placement.subtasks.empty()) {
    out << samples.size() << YAML::EndSeq;
    for (const double share : shares_of_100(set.tests.size() - samples.size(), precision))
      out << YAML::Flow << YAML::BeginSeq << plain_decimal(share) << 1 << YAML::EndSeq;
  } else {
    out << codename_regex(samples) << YAML::EndSeq;
    for (std::size_t s = 0; s < placement.subtasks.size(); ++s) {
      out << YAML::Flow << YAML::BeginSeq << plain_decimal(placement.subtasks[s].points) << codename_regex(tests_in(placement, s))
          << YAML::EndSeq;
      precision = std::max(precision, decimals_of_three_tenths(placement.subtasks[s].points));
    }
  }
  out << YAML::EndSeq
      << YAML::Key << "score_precision" << YAML::Value << precision << YAML::Key << "score_mode" << YAML::Value
      << (!info.score_mode.empty() ? info.score_mode : placement.subtasks.empty() ? "max" : "max_subtask")
      << YAML::Key << "feedback_level" << YAML::Value << info.feedback_level;
}

std::string task_yaml(const std::string &name, const TestSet &set, const TaskInfo &info) {
  std::string public_cases;
  for (std::size_t i = 0; i < set.tests.size(); ++i)
    if (set.tests[i].folder == "sample")
      public_cases += (public_cases.empty() ? "" : ",") + std::to_string(i);
  YAML::Emitter out;
  out << YAML::BeginMap << YAML::Key << "name" << YAML::Value << name << YAML::Key << "title" << YAML::Value
      << info.title << YAML::Key << "primary_language" << YAML::Value
      << (info.languages.front() == StatementLanguage::chinese ? "zh" : "en") << YAML::Key << "time_limit"
      << YAML::Value << plain_decimal(info.time_limit) << YAML::Key << "memory_limit" << YAML::Value << info.memory_mib << YAML::Key
      << "n_input" << YAML::Value << set.tests.size() << YAML::Key << "public_testcases" << YAML::Value
      << YAML::DoubleQuoted << public_cases << YAML::Key << "infile" << YAML::Value << YAML::DoubleQuoted << ""
      << YAML::Key << "outfile" << YAML::Value << YAML::DoubleQuoted << "" << YAML::Key << "token_mode" << YAML::Value
      << "disabled";
  scoring(out, set, info);
  out << YAML::EndMap;
  return std::string(out.c_str()) + "\n";
}

// The names file: each codename's test, each group's subtask, in task.yaml's order.
std::string names_yaml(const TestSet &set) {
  YAML::Emitter out;
  out << YAML::Comment("setter's names for this task's tests and groups, which setter verify reports;\n"
                       "CMS reads none of this file.")
      << YAML::BeginMap << YAML::Key << "tests" << YAML::Value << YAML::BeginMap;
  for (std::size_t i = 0; i < set.tests.size(); ++i)
    out << YAML::Key << YAML::DoubleQuoted << cms_codename(i) << YAML::Value << set.tests[i].shown();
  out << YAML::EndMap << YAML::Key << "groups" << YAML::Value << YAML::BeginSeq << "samples";
  for (const Subtask &s : set.placement.subtasks)
    out << s.name;
  out << YAML::EndSeq << YAML::EndMap;
  return std::string(out.c_str()) + "\n";
}

// input/, output/ and check/: the tests by index, and the checker.
std::string copy_files(const fs::path &root, const TestSet &set, const TaskInfo &info) {
  std::error_code failure;
  fs::create_directories(root / "input", failure);
  fs::create_directories(root / "output", failure);
  for (std::size_t i = 0; i < set.tests.size(); ++i) {
    const std::string index = std::to_string(i), base = set.tests[i].base;
    if (!fs::copy_file(base + ".in", root / "input" / ("input" + index + ".txt"), failure) ||
        !fs::copy_file(base + ".total", root / "output" / ("output" + index + ".txt"), failure))
      return base + say(": cannot copy into the task folder", "：無法複製到任務資料夾");
  }
  fs::create_directories(root / "check", failure);
  if (!fs::copy_file(info.checker, root / "check" / "checker", failure))
    return info.checker + say(": cannot copy into the task folder", "：無法複製到任務資料夾");
  fs::permissions(root / "check" / "checker", fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                                  fs::perms::others_read | fs::perms::others_exec,
                  failure);
  return {};
}

// The statement in each language: statement.pdf for English alone, as CMS has
// always read it; else one PDF a language under the name CMS's loader maps to
// its code (english.pdf to en, chinese.pdf to zh), and statement.pdf a link to
// the primary one, which CMS 1.4 reads and the loader lets be.
std::string write_statements(const fs::path &folder, const TestSet &set, const TaskInfo &info) {
  std::error_code failure;
  fs::create_directories(folder, failure);
  const SetTest &sample = set.tests.front();
  std::string input, output;
  SampleWalk walk;
  if (!read_text_file(sample.base + ".in", input).empty() || !read_text_file(sample.base + ".ans", output).empty() ||
      !walk_sample(input, output, walk))
    return sample.base + say(": cannot read the sample for the statement", "：無法讀取題目敘述要用的範例");
  const bool english_alone = info.languages.size() == 1 && info.languages.front() == StatementLanguage::english;
  for (const StatementLanguage language : info.languages) {
    const std::string file = english_alone ? "statement.pdf" : language == StatementLanguage::chinese ? "chinese.pdf" : "english.pdf";
    if (std::string error = write_statement_pdf(language, statement_latex(language, info.title, true, set.placement.subtasks),
                                                input, output, walk, (folder / file).string());
        !error.empty())
      return error;
  }
  if (!english_alone)
    fs::create_symlink(info.languages.front() == StatementLanguage::chinese ? "chinese.pdf" : "english.pdf",
                       folder / "statement.pdf", failure);
  return failure ? folder.string() + say(": cannot link statement.pdf", "：無法建立 statement.pdf 連結") : "";
}

std::string fill(const fs::path &root, const std::string &name, const TestSet &set, const TaskInfo &info) {
  if (std::string error = copy_files(root, set, info); !error.empty())
    return error;
  if (!put_file(root / "task.yaml", task_yaml(name, set, info)) || !put_file(root / kCmsNamesFile, names_yaml(set)) ||
      !put_file(root / "sol" / "model.cpp", embedded("solutions/accepted/model.cpp")))
    return root.string() + say(": cannot write the task's files", "：無法寫入任務的檔案");
  return info.statement ? write_statements(root / "statement", set, info) : "";
}

} // namespace

std::string cms_task_ready(const std::string &out, const TaskInfo &info) {
  const std::string name = fs::path(out).lexically_normal().filename().string();
  if (name.empty() || name.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789_") != std::string::npos)
    return out + say(": the folder's name is the task's name, and must be [a-z0-9_]+",
                     "：資料夾名稱即任務名稱，只能由 [a-z0-9_] 組成");
  if (info.statement && !on_path("pdflatex"))
    return no_pdflatex();
  for (const StatementLanguage language : info.languages)
    if (std::string why = info.statement && language == StatementLanguage::chinese ? no_chinese_latex() : "";
        !why.empty())
      return why;
  std::string why;
  if (!is_static_executable(info.checker, why))
    return info.checker + " " + why + say(": give the checker of the default build with --checker",
                                              "：請以 --checker 指定預設建置的評測程式");
  return {};
}

std::string write_cms_package(const TestSet &set, const std::string &out, const TaskInfo &info) {
  if (std::string error = cms_task_ready(out, info); !error.empty())
    return error;
  for (const SetTest &t : set.tests)
    if (!t.has_total)
      return t.base + say(".in: no .total beside it (the checker's answer file; setter solve DIR writes it)",
                          ".in：旁邊沒有 .total（評測程式的答案檔；setter solve DIR 會寫出它）");
  if (set.tests.front().folder != "sample" || set.tests.back().folder != "secret")
    return out + say(": the test set needs a sample and a secret test", "：測資集需要範例測資與秘密測資各至少一組");
  const std::string name = fs::path(out).lexically_normal().filename().string();
  return write_folder(out, [&](const fs::path &root) { return fill(root, name, set, info); });
}
