// Reading a Kattis package back as the Kattis verifier reads it.
#pragma once
#include <string>
#include <vector>

#include "setter/packaging/layouts.h"
#include "setter/packaging/package_view.h"

// The tests of the Kattis package at dir in the order the verifier runs them:
// data/sample, then data/secret, each folder's entries in name order, its test
// groups (folders) among them. Each is named by its path below data/.
void kattis_tests(const std::string &dir, std::vector<TestPaths> &tests);

// Reads the Kattis package at dir into view: its tests (each judged against its
// .ans, a plan or a total), a scoring package's test groups under data/secret as
// subtasks (named by their folders less a leading "NN-", points from their
// grader flags "points P"), the time limit of .timelimit, problem.yaml's
// limits, and submissions/. Returns what makes it unusable, one line each.
std::vector<std::string> read_kattis(const std::string &dir, PackageView &view);
