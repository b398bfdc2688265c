// The generator: an instance from its family and options.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Writes into text one instance in the canonical layout, from generate's
// arguments as on its command line (a family and options, without the command's
// name). The same arguments give the same bytes on every platform. Returns an
// empty string, or why the arguments cannot be used (in English).
std::string generate_instance(const std::vector<std::string> &args, std::string &text);

// What a family takes when an option is not given, at n islands: T, X, the ranges
// of the costs and rates, and their decimals.
struct FamilyDefaults {
  std::int64_t t;
  std::string x, ec, er;
  int ec_decimals, er_decimals;
};
FamilyDefaults family_defaults(const std::string &family, std::int64_t n);
