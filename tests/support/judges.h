// The front-ends as a judge runs them: built from the sources or compiled from
// the generated single files, and the files they leave behind.
#pragma once
#include <map>
#include <string>
#include <vector>

// The three front-ends of one build.
struct Programs {
  const char *name;
  std::string cms, kattis, testlib;
};

// The built front-ends and the single-file ones.
std::vector<Programs> programs();

using Files = std::map<std::string, std::string>;

// A new empty folder, its path ending with a separator.
std::string fresh_dir();

// Every file in dir by name, with its bytes; dir is removed.
Files files_in(const std::string &dir);

// The bytes of the file at path.
std::string bytes_of(const std::string &path);
