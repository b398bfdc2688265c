// Running the built programs as a contest system or a setter does.
#pragma once
#include <string>
#include <vector>

struct Ran {
  int status; // exit status; -1 when killed by a signal
  std::string out, err;
  long peak_kib; // peak resident memory of the run
};

// Runs the program at path with these arguments, standard input read from the file
// at input.
Ran run_program(const std::string &path, const std::vector<std::string> &args,
                const std::string &input = "/dev/null");

// Runs the program at path as run_program() does, in exactly this environment
// ("NAME=value" entries) instead of the test's own.
Ran run_program_in(const std::vector<std::string> &environment, const std::string &path,
                   const std::vector<std::string> &args);

// Runs setter with these arguments and "--lang lang" after them.
Ran run_setter(const std::string &lang, std::vector<std::string> args, const std::string &input = "/dev/null");

// Runs the checker with these arguments and no standard input.
Ran run_binary(const std::vector<std::string> &args);

// Paths of the built programs.
extern const std::string kChecker, kCheckerKattis, kCheckerTestlib, kSetter;
