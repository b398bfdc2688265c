// Reading a CMS task folder back as CMS grades it, with the names setter keeps
// beside it.
#pragma once
#include <string>
#include <vector>

#include "setter/packaging/layouts.h"
#include "setter/packaging/package_view.h"

// The file of a CMS task folder that keeps setter's names for its tests and
// groups; CMS reads none of it.
inline constexpr char kCmsNamesFile[] = "tests.yaml";

// CMS's codename of the index-th test: "000", "001", ..., "1000".
std::string cms_codename(std::size_t index);

// The tests of the CMS task folder at dir: input/inputI.txt with
// output/outputI.txt, I from 0 up to the first missing (n_input of task.yaml
// where it says), each named by the names file, else "inputI".
void cms_tests(const std::string &dir, std::vector<TestPaths> &tests);

// Reads the CMS task folder at dir into view: its tests, task.yaml's limits and
// score precision, and its groups of tests as CMS's Group score types take them
// (a count of tests in codename order, a regex of codenames as setter writes it,
// or a list of codenames), each group of positive points a subtask, unless
// every such group holds one test (shares, not subtasks); sol/ as accepted.
// Returns what makes it unusable, one line each.
std::vector<std::string> read_cms(const std::string &dir, PackageView &view);
