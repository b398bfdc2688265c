// The programs a setter has: built executables, bare names in the current
// folder or on the PATH, and sources compiled as judges compile them.
#pragma once
#include <string>
#include <vector>

struct Program {
  std::string shown;             // as the setter named it
  std::vector<std::string> argv; // what runs it
};

// Turns what the setter named into a program that runs: an executable path; a
// bare name, looked up in the current folder first, then on the PATH; a C++
// source (.cpp, .cc, .cxx) compiled with g++ -std=gnu++17 -O2, a C source (.c)
// with gcc -std=gnu11 -O2, each into work; a Python source (.py) run by
// python3. Returns an empty string, or why it cannot run, in the language of
// reports (a missing compiler, a compile error with its first lines).
std::string prepare_program(const std::string &named, const std::string &work, Program &program);

// Whether prepare_program() takes path for a source (by its extension).
bool is_source(const std::string &path);
