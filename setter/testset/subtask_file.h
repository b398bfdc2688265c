// Subtasks: groups of tests with their own, narrower bounds, each worth points,
// as a subtask file states them.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "setter/validation/validation.h"

struct Subtask {
  double points;
  std::string name;
  Bounds bounds;       // the statement's, narrowed by the line's options
  std::string options; // the line's options, as written
};

// Reads a subtask file: one subtask a line, "POINTS NAME [OPTIONS]", where the
// options state bounds as setter validate takes them (--t 0..0, --n 1..1000,
// ...), each within the statement's; blank lines and lines from "#" on are
// ignored. Names are [a-z0-9_-]+ and distinct; the points total 100. Fills
// subtasks and returns an empty string, or the defects, one "FILE:LINE: what"
// a line.
std::string parse_subtasks(std::string_view text, const std::string &file, std::vector<Subtask> &subtasks);

// parse_subtasks() of the file at path.
std::string read_subtasks(const std::string &path, std::vector<Subtask> &subtasks);
