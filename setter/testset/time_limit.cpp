// Timing the model solution over a test set, and keeping what it found.
#include "setter/testset/time_limit.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <unistd.h>
#include <yaml-cpp/yaml.h>

#include "files/output_file.h"
#include "setter/embedded/embedded.h"
#include "setter/language/language.h"
#include "setter/running/programs.h"
#include "setter/running/runner.h"
#include "setter/running/work_folder.h"
#include "setter/storage/folder.h"
#include "setter/validation/instance_file.h"
#include "setter/validation/text_file.h"

namespace fs = std::filesystem;

namespace {

// A run this long is no model solution: it is stopped, and the timing fails.
constexpr double kLongestModelRun = 60;
constexpr double kLongestCompile = 300;

const char kRule[] = "5 times the model's slowest run (CPU seconds), rounded to whole seconds, at least 1";

// The model's source compiled with g++ as judges compile it, into folder; an
// empty string, or why it cannot be.
std::string compile_model(const std::string &folder, std::string &program) {
  const fs::path source = fs::path(folder) / "model.cpp";
  program = (fs::path(folder) / "model").string();
  if (!put_file(source, embedded("solutions/accepted/model.cpp")))
    return say("cannot write ", "無法寫入 ") + source.string();
  if (!on_path("g++") || run_logged({"g++", "-std=gnu++17", "-O2", "-o", program, source.string()},
                                    (fs::path(folder) / "g++.log").string(), kLongestCompile) != 0)
    return say("no model solution to time: build it (cmake --build build) or give --model PROGRAM",
               "沒有可計時的模範解答：請先建置（cmake --build build）或以 --model 指定程式");
  return {};
}

// The CPU seconds of one run of program on input over its whole tree; false
// when it fails (a model must not) or runs too long.
bool timed_run(const std::string &program, const std::string &input, double &seconds) {
  RunRequest request;
  request.argv = {program};
  request.input = input;
  request.wall_seconds = request.cpu_seconds = kLongestModelRun;
  std::string why;
  const RunRecord record = run_program(request, why);
  seconds = record.user + record.system;
  return record.started && record.exited && record.status == 0 && record.ended == Ended::none;
}

std::string seconds_text(double s) {
  char text[32];
  std::snprintf(text, sizeof text, "%.3f", s);
  return text;
}

} // namespace

int time_limit_of(double slowest) {
  const int rounded = static_cast<int>(0.5 + slowest * kTimeMultiplier);
  return rounded < 1 ? 1 : rounded;
}

std::string tests_fingerprint(const std::vector<SetTest> &tests) {
  std::uint64_t hash = 14695981039346656037ull; // FNV-1a
  const auto mix = [&hash](std::string_view bytes) {
    for (const char c : bytes)
      hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
  };
  for (const SetTest &t : tests) {
    FileText text;
    const std::string error = read_file_text(t.base + ".in", text);
    mix(t.shown());
    mix(std::string_view("\0", 1));
    mix(error.empty() ? text.view() : std::string_view(error));
    mix(std::to_string(text.view().size()));
  }
  char text[24];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
  return text;
}

std::string measure_time_limit(const std::string &model, const std::vector<SetTest> &tests, TimeRecord &record,
                               const std::function<void(const std::string &)> &progress) {
  record = {};
  std::string program = model.empty() ? beside_setter("solutions/model") : model, error;
  WorkFolder work;
  if (model.empty() && access(program.c_str(), X_OK) != 0) {
    work = make_work_folder("setter_model", error);
    if (error.empty())
      error = compile_model(work.path, program);
  } else if (access(program.c_str(), X_OK) != 0) {
    error = program + say(": not a program to run", "：不是可執行的程式");
  }
  for (std::size_t i = 0; error.empty() && i < tests.size(); ++i) {
    progress(tests[i].shown());
    double seconds = 0;
    if (!timed_run(program, tests[i].base + ".in", seconds))
      error = program + say(" fails on ", " 執行失敗：") + tests[i].base + ".in" +
              say(" (it must be a correct solution)", "（它必須是正確的解答）");
    else if (seconds >= record.slowest) {
      record.slowest = seconds;
      record.slowest_test = tests[i].shown();
    }
  }
  end_work_folder(work);
  record.limit = time_limit_of(record.slowest);
  record.tests = tests_fingerprint(tests);
  return error;
}

std::string time_record_path(const std::string &dir) { return (fs::path(dir) / "time-limit.yaml").string(); }

std::string write_time_record(const std::string &dir, const TimeRecord &record) {
  YAML::Emitter out;
  out << YAML::Comment("The time limit of every package written from this test set: setter testset and\n"
                       "setter solve DIR measure it; setter package --time-limit S overrides it.")
      << YAML::BeginMap << YAML::Key << "time_limit" << YAML::Value << record.limit << YAML::Key << "rule"
      << YAML::Value << kRule << YAML::Key << "model_slowest" << YAML::Value << seconds_text(record.slowest)
      << YAML::Key << "slowest_test" << YAML::Value << record.slowest_test << YAML::Key << "tests" << YAML::Value
      << record.tests << YAML::Comment("a digest of the tests' names and inputs when it was measured")
      << YAML::EndMap;
  const std::string path = time_record_path(dir);
  if (!write_text_whole(path, std::string(out.c_str()) + "\n"))
    return say("cannot write ", "無法寫入 ") + path;
  return {};
}

std::string read_time_record(const std::string &dir, const std::vector<SetTest> &tests, TimeRecord &record) {
  const std::string path = time_record_path(dir);
  std::error_code failure;
  if (!fs::exists(path, failure))
    return path + say(": not there: no time limit has been measured for this set",
                      "：不存在：此測資集尚未量測時限");
  try {
    const YAML::Node node = YAML::LoadFile(path);
    record.limit = node["time_limit"].as<int>();
    record.slowest = node["model_slowest"].as<double>();
    record.slowest_test = node["slowest_test"].as<std::string>();
    record.tests = node["tests"].as<std::string>();
  } catch (const YAML::Exception &e) {
    return path + say(": not a time limit record: ", "：不是時限紀錄：") + e.what();
  }
  if (record.tests != tests_fingerprint(tests))
    return path + say(": measured on other tests: the tests have changed since",
                      "：是以其他測資量測的：測資在那之後有變動");
  if (record.limit != time_limit_of(record.slowest))
    return path + say(": time_limit " + std::to_string(record.limit) + " is not the rule's " +
                          std::to_string(time_limit_of(record.slowest)) + " from model_slowest " +
                          seconds_text(record.slowest),
                      "：time_limit " + std::to_string(record.limit) + " 不是依規則由 model_slowest " +
                          seconds_text(record.slowest) + " 得出的 " + std::to_string(time_limit_of(record.slowest)));
  return {};
}

std::string time_limit_summary(const TimeRecord &record) {
  const std::string slowest = seconds_text(record.slowest) + " s";
  return say("time limit " + std::to_string(record.limit) + " s: " + plain_decimal(kTimeMultiplier) +
                 " times the model's slowest run, " + slowest + " on " + record.slowest_test,
             "時限 " + std::to_string(record.limit) + " 秒：模範解答最慢一次執行（" + record.slowest_test + "，" + slowest +
                 "）的 " + plain_decimal(kTimeMultiplier) + " 倍");
}
