// The time limit of a test set: the model solution timed on every test when the
// set is written or its tests change, the limit derived from its slowest run as
// problemtools derives it, and the record of both kept in the set, which every
// package written from it carries.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "setter/testset/listing.h"

// problemtools' factors: the limit is 5 times the slowest accepted run, and a
// slow solution must run past 2 times the limit.
inline constexpr double kTimeMultiplier = 5, kSafetyMargin = 2;

struct TimeRecord {
  double slowest = 0;       // CPU seconds of the model's slowest run
  std::string slowest_test; // where it ran
  int limit = 0;            // time_limit_of(slowest)
  std::string tests;        // tests_fingerprint() of the tests it was measured on
};

// The limit problemtools derives from an accepted solution's slowest run: 5
// times it, rounded to whole seconds (halves up), at least 1.
int time_limit_of(double slowest);

// A digest of the tests' names and instances: it changes when a test is added,
// removed, renamed or edited, and with nothing else.
std::string tests_fingerprint(const std::vector<SetTest> &tests);

// Times the model solution on every test (CPU time, as judges measure it) and
// fills record: the program at model, or when model is empty, the one the build
// made beside setter (solutions/model), or else the model's source, built into
// setter, compiled as judges compile it. progress is told each test's name.
// Returns an empty string, or why no model could be timed.
std::string measure_time_limit(const std::string &model, const std::vector<SetTest> &tests, TimeRecord &record,
                               const std::function<void(const std::string &)> &progress);

// The file in the set at dir that keeps the record.
std::string time_record_path(const std::string &dir);

// Writes record into the set at dir (as time_record_path() names it), whole or
// not at all. Returns an empty string, or why it cannot.
std::string write_time_record(const std::string &dir, const TimeRecord &record);

// Reads the record of the set at dir against its tests. Returns an empty string
// when it serves them, or why it cannot: there is none, it is malformed, it was
// measured on other tests, or its limit is not the rule's.
std::string read_time_record(const std::string &dir, const std::vector<SetTest> &tests, TimeRecord &record);

// One line for the setter: the limit, the rule and the run it comes from.
std::string time_limit_summary(const TimeRecord &record);
