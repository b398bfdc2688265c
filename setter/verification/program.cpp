// Finding and compiling the programs verify runs.
#include "setter/verification/program.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

#include "setter/language/language.h"
#include "setter/running/programs.h"
#include "setter/running/runner.h"

namespace fs = std::filesystem;

namespace {

// A compile this long is stopped, as a judge's compile would be.
constexpr double kLongestCompile = 300;

// The compiler and flags for a source's extension; empty for none.
std::vector<std::string> compiler_for(const std::string &extension) {
  if (extension == ".cpp" || extension == ".cc" || extension == ".cxx")
    return {"g++", "-std=gnu++17", "-O2"};
  if (extension == ".c")
    return {"gcc", "-std=gnu11", "-O2"};
  return {};
}

// The first lines of a compiler's log, for a report.
std::string log_head(const std::string &log) {
  std::ifstream in(log);
  std::string line, head;
  for (int i = 0; i < 8 && std::getline(in, line); ++i)
    head += "\n  " + line;
  return head;
}

} // namespace

bool is_source(const std::string &path) {
  const std::string extension = fs::path(path).extension().string();
  return !compiler_for(extension).empty() || extension == ".py";
}

std::string prepare_program(const std::string &named, const std::string &work, Program &program) {
  program = {named, {}};
  std::error_code failure;
  const std::string extension = fs::path(named).extension().string();
  if (is_source(named)) {
    if (!fs::is_regular_file(named, failure))
      return named + say(": no such source file", "：沒有這個原始碼檔案");
    if (extension == ".py") {
      if (!on_path("python3"))
        return named + say(": python3 not found: install it (Debian: python3) to run Python sources",
                           "：找不到 python3：請安裝（Debian：python3）才能執行 Python 原始碼");
      program.argv = {"python3", named};
      return {};
    }
    std::vector<std::string> compile = compiler_for(extension);
    if (!on_path(compile[0]))
      return named + say(": " + compile[0] + " not found: install it (Debian: " + compile[0] + ") to compile " +
                             extension + " sources",
                         "：找不到 " + compile[0] + "：請安裝（Debian：" + compile[0] + "）才能編譯 " + extension +
                             " 原始碼");
    static int compiled = 0; // two sources of one name get binaries of their own
    const std::string binary =
        (fs::path(work) / (std::to_string(++compiled) + "-" + fs::path(named).stem().string())).string();
    compile.insert(compile.end(), {"-o", binary, named});
    if (extension == ".c")
      compile.push_back("-lm");
    if (run_logged(compile, binary + ".log", kLongestCompile) != 0)
      return named + say(": does not compile with ", "：無法以 ") + compile[0] + say(":", " 編譯：") +
             log_head(binary + ".log");
    program.argv = {binary};
    return {};
  }
  std::string path = named;
  if (named.find('/') == std::string::npos) { // a bare name: here first, then the PATH
    if (access(named.c_str(), X_OK) == 0 && fs::is_regular_file(named, failure))
      path = "./" + named;
    else if (!on_path(named))
      return named + say(": no program by that name here or on the PATH", "：目前資料夾與 PATH 中都沒有這個程式");
  } else if (access(named.c_str(), X_OK) != 0 || !fs::is_regular_file(named, failure)) {
    return named + say(": not a program to run", "：不是可執行的程式");
  }
  program.argv = {path};
  return {};
}
