// Timing the model solution over a test set.
#include "setter/testset/time_limit.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <unistd.h>

#include "setter/language/language.h"
#include "setter/embedded/embedded.h"
#include "setter/storage/folder.h"
#include "setter/running/programs.h"

namespace fs = std::filesystem;

namespace {

// A run this long is no model solution: it is stopped, and the timing fails.
constexpr double kLongestModelRun = 60;

// The model's source compiled with g++ as judges compile it, into a fresh folder
// that the caller removes; an empty string, or why it cannot be.
std::string compile_model(std::string &work, std::string &program) {
  work = (fs::temp_directory_path() / "setter_model_XXXXXX").string();
  if (!mkdtemp(work.data()))
    return say("cannot make a folder to compile the model in", "無法建立編譯模範解答的資料夾");
  const fs::path source = fs::path(work) / "model.cpp";
  program = (fs::path(work) / "model").string();
  if (!put_file(source, embedded("solutions/accepted/model.cpp")))
    return say("cannot write ", "無法寫入 ") + source.string();
  if (!on_path("g++") || run_logged({"g++", "-std=gnu++17", "-O2", "-o", program, source.string()},
                                    (fs::path(work) / "g++.log").string()) != 0)
    return say("no model solution to time: build it (cmake --build build), give --model PROGRAM, or set "
               "--time-limit",
               "沒有可計時的模範解答：請先建置（cmake --build build）、以 --model 指定程式，或以 --time-limit "
               "指定時限");
  return {};
}

} // namespace

int time_limit_of(double slowest) {
  const int rounded = static_cast<int>(0.5 + slowest * kTimeMultiplier);
  return rounded < 1 ? 1 : rounded;
}

std::string time_model(const std::string &model, const std::vector<TestFiles> &tests, Timing &timing,
                       const std::function<void(const std::string &)> &progress) {
  std::string program = model.empty() ? beside_setter("solutions/model") : model, work, error;
  if (model.empty() && access(program.c_str(), X_OK) != 0)
    error = compile_model(work, program);
  else if (access(program.c_str(), X_OK) != 0)
    error = program + say(": not a program to run", "：不是可執行的程式");
  for (std::size_t i = 0; error.empty() && i < tests.size(); ++i) {
    progress(tests[i].folder + "/" + tests[i].name);
    double seconds = 0;
    if (run_timed(program, tests[i].base + ".in", kLongestModelRun, seconds) != 0)
      error = program + say(" fails on ", " 執行失敗：") + tests[i].base + ".in" +
              say(" (it must be a correct solution)", "（它必須是正確的解答）");
    else if (seconds >= timing.slowest) {
      timing.slowest = seconds;
      timing.slowest_test = tests[i].folder + "/" + tests[i].name;
    }
  }
  if (!work.empty()) {
    std::error_code ignored;
    fs::remove_all(work, ignored);
  }
  timing.limit = time_limit_of(timing.slowest);
  return error;
}
