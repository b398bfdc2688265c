// The tests of a test set on disk: every NAME.in under sample/ and secret/, in
// folders below them too, with the files kept beside it.
#pragma once
#include <string>
#include <vector>

struct SetTest {
  std::string name;   // below its folder, without extension: "1", "07-chain-n4", "hand/zz"
  std::string folder; // "sample" or "secret"
  std::string base;   // the path without extension: base + ".in", ".ans", ...
  bool has_total = false, has_plan = false, has_desc = false;

  // The name reports give it: "secret/hand/zz".
  std::string shown() const { return folder + "/" + name; }
};

// Lists the tests of the set at dir, samples first, each folder's in order of
// their names. Returns an empty string, or why dir is not a test set (no
// sample/ or secret/ folder, no test at all).
std::string list_set_tests(const std::string &dir, std::vector<SetTest> &tests);
